object OrderForm: TOrderForm
  Width = 660
  Height = 560
  object OrderPage: TWbPage
    Left = 0
    Top = 0
    Width = 640
    Height = 520
    OnBeforePut = OrderPageBeforePut
    PageTitle = 'Order'
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
          'Your order')
      end
      object Logo: TWbImage
        Left = 520
        Top = 5
        Width = 90
        Height = 50
        ImagePath = 'images/logo.gif'
        Stretch = True
        object HomeArea: TWbImageMap
          Left = 0
          Top = 0
          Width = 45
          Height = 50
          Link = 'index.html'
          AltText = 'Home'
        end
        object HelpArea: TWbImageMap
          Left = 45
          Top = 0
          Width = 45
          Height = 50
          Link = 'help.html'
          AltText = 'Help'
        end
      end
    end
    object Body: TWbPanel
      Left = 10
      Top = 80
      Width = 620
      Height = 380
      BackGroundColor = clSilver
      object Order: TWbInputForm
        Left = 10
        Top = 10
        Width = 380
        Height = 360
        BackGroundColor = clWhite
        Method = Post
        Action = '/cgi-bin/order'
        FormName = 'order'
        HiddenFields.Strings = (
          'step=2')
        object NameLabel: TWbText
          Left = 10
          Top = 10
          Width = 100
          Height = 25
          Text.Strings = (
            'Name')
        end
        object Name: TWbTextInputField
          Left = 120
          Top = 10
          Width = 200
          Height = 25
          FieldName = 'name'
          Size = 25
          MaxLength = 60
        end
        object VoucherLabel: TWbText
          Left = 10
          Top = 40
          Width = 100
          Height = 25
          Text.Strings = (
            'Voucher')
        end
        object Voucher: TWbTextInputField
          Left = 120
          Top = 40
          Width = 120
          Height = 25
          FieldName = 'voucher'
          Size = 10
          MaxLength = 10
          PassWord = True
        end
        object QuantityLabel: TWbText
          Left = 10
          Top = 70
          Width = 100
          Height = 25
          Text.Strings = (
            'Quantity')
        end
        object Quantity: TWbTextInputField
          Left = 120
          Top = 70
          Width = 60
          Height = 25
          FieldName = 'quantity'
          Size = 4
          MaxLength = 4
          Value = '1'
        end
        object SizeLabel: TWbText
          Left = 10
          Top = 100
          Width = 100
          Height = 25
          Text.Strings = (
            'Size')
        end
        object Size: TWbDropDownlist
          Left = 120
          Top = 100
          Width = 125
          Height = 25
          FieldName = 'size'
          OptionValues.Strings = (
            's=Small'
            'm=Medium'
            'l=Large')
          Selected = 1
        end
        object ColoursLabel: TWbText
          Left = 10
          Top = 130
          Width = 100
          Height = 25
          Text.Strings = (
            'Colours')
        end
        object Colours: TWbListBox
          Left = 120
          Top = 130
          Width = 200
          Height = 60
          FieldName = 'colours'
          OptionValues.Strings = (
            'red=Red'
            'green=Green'
            'blue=Blue')
          Selected = 0
          ListSize = 3
          SelectMultiple = True
        end
        object Gift: TWbCheckBox
          Left = 10
          Top = 200
          Width = 25
          Height = 25
          FieldName = 'gift'
          Value = 'yes'
        end
        object GiftLabel: TWbText
          Left = 40
          Top = 200
          Width = 150
          Height = 25
          Text.Strings = (
            'Wrap it as a gift')
        end
        object Standard: TWbRadioButton
          Left = 10
          Top = 230
          Width = 25
          Height = 25
          FieldName = 'shipping'
          Checked = True
          Value = 'standard'
        end
        object StandardLabel: TWbText
          Left = 40
          Top = 230
          Width = 100
          Height = 25
          Text.Strings = (
            'Standard')
        end
        object Express: TWbRadioButton
          Left = 150
          Top = 230
          Width = 25
          Height = 25
          FieldName = 'shipping'
          Value = 'express'
        end
        object ExpressLabel: TWbText
          Left = 180
          Top = 230
          Width = 100
          Height = 25
          Text.Strings = (
            'Express')
        end
        object Note: TWbTextArea
          Left = 10
          Top = 260
          Width = 360
          Height = 60
          FieldName = 'note'
          Columns = 40
          Rows = 3
        end
        object Send: TWbSubmitButton
          Left = 10
          Top = 330
          Width = 70
          Height = 20
          value = 'Order'
        end
      end
      object Summary: TWbPanel
        Left = 400
        Top = 10
        Width = 210
        Height = 360
        HTMLBefore.Strings = (
          '<!-- the summary shows the body''s colour -->')
        object Total: TWbPanel
          Left = 10
          Top = 10
          Width = 190
          Height = 100
          BackGroundColor = clYellow
          object TotalText: TWbText
            Left = 10
            Top = 10
            Width = 170
            Height = 80
            Align = taCenter
            Font.Size = 4
            Text.Strings = (
              'Caf'#233' cups'
              '12.50 each')
          end
        end
        object Clock: TWbJavaApplet
          Left = 10
          Top = 120
          Width = 190
          Height = 120
          Code = 'Clock.class'
          CodeBase = 'classes'
          InstanceName = 'clock1'
          Parameters.Strings = (
            'color=red'
            'speed=5')
        end
        object Help: TWbText
          Left = 10
          Top = 250
          Width = 190
          Height = 40
          Link = 'help.html'
          Text.Strings = (
            'Questions? Ask us')
        end
        object Message: TWbText
          Left = 10
          Top = 300
          Width = 190
          Height = 50
          Align = taLeft
          Font.Color = clRed
          Font.Bold = True
        end
      end
    end
    object Footer: TWbText
      Left = 10
      Top = 470
      Width = 620
      Height = 30
      Align = taCenter
      Font.Size = 1
      Font.Color = clGray
      Text.Strings = (
        'Prices include VAT')
    end
  end
end
