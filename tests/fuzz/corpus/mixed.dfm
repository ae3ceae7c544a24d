OBJECT form1: tform
  width = 10
  object Map1: TWbImageMap
    Link = 'a.html'
    AltText = 'A'
  end
  object P: twbpage
    object Q: TWbPanel
      HTMLBefore.Strings = ()
      object R: TWbPanel
        BackGroundColor = clYellow
        Width = [a, b]
      end
    end
  end
END
