object F: TForm
  object P: TWbPanel
    HTMLBefore.Strings = (
      'a
