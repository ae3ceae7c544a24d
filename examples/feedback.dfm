object FeedbackForm: TFeedbackForm
  Width = 560
  Height = 440
  object FeedbackPage: TWbPage
    Left = 0
    Top = 0
    Width = 540
    Height = 400
    PageTitle = 'Feedback'
    Scripts.Strings = (
      '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=ISO-8859-1">')
    object Title: TWbText
      Left = 10
      Top = 10
      Width = 400
      Height = 35
      Align = taLeft
      Font.Size = 5
      Font.Bold = True
      Text.Strings = (
        'Tell us what you think')
    end
    object Feedback: TWbInputForm
      Left = 10
      Top = 50
      Width = 520
      Height = 340
      BackGroundColor = clSilver
      Method = Post
      Action = ''
      FormName = 'feedback'
      HiddenFields.Strings = (
        'form=feedback')
      object YourNameLabel: TWbText
        Left = 10
        Top = 10
        Width = 100
        Height = 25
        Align = taLeft
        Text.Strings = (
          'Your name')
      end
      object YourName: TWbTextInputField
        Left = 120
        Top = 10
        Width = 250
        Height = 25
        FieldName = 'your name'
        Size = 40
        MaxLength = 100
      end
      object TopicLabel: TWbText
        Left = 10
        Top = 40
        Width = 100
        Height = 25
        Align = taLeft
        Text.Strings = (
          'Topic')
      end
      object Topic: TWbDropDownlist
        Left = 120
        Top = 40
        Width = 150
        Height = 25
        FieldName = 'the topic'
        OptionValues.Strings = (
          'cups=Our cups'
          'shop=The shop'
          'other=Something else')
        Selected = 2
      end
      object InterestsLabel: TWbText
        Left = 10
        Top = 70
        Width = 100
        Height = 25
        Align = taLeft
        Text.Strings = (
          'Interests')
      end
      object Interests: TWbListBox
        Left = 120
        Top = 70
        Width = 150
        Height = 60
        FieldName = 'your interests'
        OptionValues.Strings = (
          'tea=Tea'
          'coffee=Coffee'
          'cocoa=Cocoa')
        Selected = -1
        ListSize = 3
        SelectMultiple = True
      end
      object Good: TWbRadioButton
        Left = 10
        Top = 140
        Width = 25
        Height = 25
        FieldName = 'rating'
        Checked = True
        Value = 'good'
      end
      object GoodLabel: TWbText
        Left = 40
        Top = 140
        Width = 80
        Height = 25
        Align = taLeft
        Text.Strings = (
          'Good')
      end
      object Poor: TWbRadioButton
        Left = 130
        Top = 140
        Width = 25
        Height = 25
        FieldName = 'rating'
        Value = 'poor'
      end
      object PoorLabel: TWbText
        Left = 160
        Top = 140
        Width = 80
        Height = 25
        Align = taLeft
        Text.Strings = (
          'Poor')
      end
      object Answer: TWbCheckBox
        Left = 250
        Top = 140
        Width = 25
        Height = 25
        FieldName = 'answer'
        Value = 'yes'
      end
      object AnswerLabel: TWbText
        Left = 280
        Top = 140
        Width = 200
        Height = 25
        Align = taLeft
        Text.Strings = (
          'Please answer me')
      end
      object Comments: TWbTextArea
        Left = 10
        Top = 175
        Width = 480
        Height = 110
        FieldName = 'your comments'
        Columns = 55
        Rows = 5
      end
      object Send: TWbSubmitButton
        Left = 10
        Top = 300
        Width = 70
        Height = 25
        value = 'Send'
      end
    end
  end
end
