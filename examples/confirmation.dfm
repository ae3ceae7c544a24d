object ConfirmationForm: TConfirmationForm
  Width = 660
  Height = 460
  object ConfirmationPage: TWbPage
    Left = 0
    Top = 0
    Width = 640
    Height = 420
    PageTitle = 'Thank you'
    Scripts.Strings = (
      '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=ISO-8859-1">')
    LinkColor = clNavy
    VLinkColor = clPurple
    object Header: TWbPanel
      Left = 10
      Top = 10
      Width = 620
      Height = 60
      BackGroundColor = clNavy
      object Title: TWbText
        Left = 10
        Top = 10
        Width = 400
        Height = 40
        Font.Size = 5
        Font.Color = clWhite
        Font.Bold = True
        Text.Strings = (
          'Thank you for your order')
      end
    end
    object Details: TWbText
      Left = 10
      Top = 80
      Width = 340
      Height = 260
      Align = taLeft
      Font.Size = 3
    end
    object ChartTitle: TWbText
      Left = 370
      Top = 80
      Width = 260
      Height = 25
      Align = taLeft
      Text.Strings = (
        'Cups per colour')
    end
    object Chart: TWbImage
      Left = 370
      Top = 110
      Width = 260
      Height = 130
    end
    object Again: TWbText
      Left = 10
      Top = 360
      Width = 200
      Height = 30
      Align = taLeft
      Text.Strings = (
        'Order again')
    end
  end
end
