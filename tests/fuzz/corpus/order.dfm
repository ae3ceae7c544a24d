object OrderForm: TOrderForm
  Width = 640
  Height = 480
  object OrderPage: TWbPage
    Left = 8
    Top = 8
    Width = 600
    Height = 400
    OnBeforePut = OrderPageBeforePut
    PageTitle = 'Order'
    LinkColor = clNavy
    VLinkColor = clPurple
    object Header: TWbPanel
      Left = 10
      Top = 10
      Width = 580
      Height = 60
      BackGroundColor = clNavy
      HTMLInside.Strings = (
        '<CAPTION>Your order</CAPTION>')
    end
    object Body: TWbPanel
      Left = 10
      Top = 80
      Width = 580
      Height = 300
      BackGroundColor = clSilver
      object Items: TWbPanel
        Left = 10
        Top = 10
        Width = 270
        Height = 280
        BackGroundColor = clWhite
      end
      object Summary: TWbPanel
        Left = 300
        Top = 10
        Width = 270
        Height = 280
        HTMLBefore.Strings = (
          '<!-- the summary shows the body''s colour -->')
        object Total: TWbPanel
          Left = 20
          Top = 20
          Width = 100
          Height = 100
          BackGroundColor = clYellow
        end
      end
    end
  end
end
