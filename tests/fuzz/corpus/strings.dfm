object Form1: TForm1
  object WbPage1: TWbPage
    Left = -8
    Top = $10
    PageTitle = 'It''s'#180' me' +
      #13#10'caf'#233
    BackGroundImage = ''
    Scripts.Strings = (
      '<SCRIPT>'
      'f();' + ''
      #9'</SCRIPT>')
    LinkColor = $123456
    VLinkColor = clInfoBk
    DefaultTextColor = -2147483648
    BackGroundColor = clNone
    OnBeforePut = PageBefore
    OnAfterPut = PageAfter
  end
end
