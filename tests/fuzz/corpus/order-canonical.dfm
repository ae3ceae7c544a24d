object OrderForm: TOrderForm
  Left = 0
  Top = 0
  Width = 640
  Height = 480
  object OrderPage: TWbPage
    Left = 8
    Top = 8
    Width = 600
    Height = 400
    OnBeforePut = OrderPageBeforePut
    BackGroundColor = clWhite
    HTMLBefore.Strings = ()
    HTMLAfter.Strings = ()
    HTMLInside.Strings = ()
    PageTitle = 'Order'
    BackGroundImage = ''
    Scripts.Strings = ()
    LinkColor = clNavy
    VLinkColor = clPurple
    DefaultTextColor = clBlack
    object Header: TWbPanel
      Left = 10
      Top = 10
      Width = 580
      Height = 60
      BackGroundColor = clNavy
      HTMLBefore.Strings = ()
      HTMLAfter.Strings = ()
      HTMLInside.Strings = (
        '<CAPTION>Your order</CAPTION>')
    end
    object Body: TWbPanel
      Left = 10
      Top = 80
      Width = 580
      Height = 300
      BackGroundColor = clSilver
      HTMLBefore.Strings = ()
      HTMLAfter.Strings = ()
      HTMLInside.Strings = ()
      object Items: TWbPanel
        Left = 10
        Top = 10
        Width = 270
        Height = 280
        BackGroundColor = clWhite
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
      end
      object Summary: TWbPanel
        Left = 300
        Top = 10
        Width = 270
        Height = 280
        BackGroundColor = clNone
        HTMLBefore.Strings = (
          '<!-- the summary shows the body''s colour -->')
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        object Total: TWbPanel
          Left = 20
          Top = 20
          Width = 100
          Height = 100
          BackGroundColor = clYellow
          HTMLBefore.Strings = ()
          HTMLAfter.Strings = ()
          HTMLInside.Strings = ()
        end
      end
    end
  end
end
