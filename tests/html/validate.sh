#!/usr/bin/env bash
# Checks that the example pages are valid HTML 3.2 but for the components' own findings (see
# check-html32.sh), and that the check does catch a fault in a page's own texts:
#     tests/html/validate.sh WBFORMS NESTED_PANELS ORDER_FORM EXAMPLES_DIR
set -uo pipefail

wbforms=$1 nested_panels=$2 order_form=$3 examples=$4
check=$(cd "$(dirname "$0")" && pwd)/check-html32.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# Renders with the command given; a failed rendering is a failure of its own.
render() {
  local out=$1
  shift
  "$@" >"$out" || fail "rendering $out: $*"
}

expect_valid() {
  local page=$1 report
  report=$("$check" "$page" 2>&1) || fail "$page is not valid HTML 3.2:"$'\n'"$report"
}

# The pages of the examples.
render "$work/order.html" "$wbforms" render "$examples/order.dfm"
"$nested_panels" "$work/nested_panels.html" || fail "nested_panels"
"$order_form" "$examples/order.dfm" "$work/order_form.html" || fail "order_form"
for page in order nested_panels order_form; do expect_valid "$work/$page.html"; done

# A page with every finding of the components' own mark-up (a coloured container, a text, an
# input form with a hidden field, a submit button with an image, then one with a value), and a
# fault in one of its texts: the title, a text's lines, the free text inside a panel's table or
# inside the input form. Each argument is a value in form-file syntax.
fixture() {
  local title=$1 lines=$2 panelInside=$3 formInside=$4
  cat <<EOF
object F: TForm
  object Page: TWbPage
    Width = 400
    Height = 300
    PageTitle = $title
    object Band: TWbPanel
      Left = 10
      Top = 10
      Width = 380
      Height = 100
      BackGroundColor = clYellow
      HTMLInside.Strings = ($panelInside)
      object Words: TWbText
        Left = 10
        Top = 10
        Width = 200
        Height = 50
        Text.Strings = ($lines)
      end
    end
    object Order: TWbInputForm
      Left = 10
      Top = 120
      Width = 380
      Height = 100
      BackGroundColor = clWhite
      Action = '/cgi-bin/order'
      FormName = 'order'
      HiddenFields.Strings = ('step=2' 'lang=en')
      HTMLInside.Strings = ($formInside)
      object Go: TWbSubmitButton
        Left = 10
        Top = 10
        Width = 50
        Height = 20
        imagepath = 'go.gif'
      end
      object Send: TWbSubmitButton
        Left = 100
        Top = 10
        Width = 50
        Height = 20
        value = 'Send'
      end
    end
  end
end
EOF
}

valid_title="'Order'" valid_lines="'Our shop' 'Caf'#233'&eacute;'"

fixture "$valid_title" "$valid_lines" "" "" >"$work/findings.dfm"
render "$work/findings.html" "$wbforms" render "$work/findings.dfm"
expect_valid "$work/findings.html"

# name | title | text lines | panel's free text | input form's free text | the messages expected
cases=(
  "markup in the title|'A <B>bold</B> title'|$valid_lines|||document type does not allow element \"B\" here"
  "block inside a text's font|$valid_title|'<P>A paragraph'|||document type does not allow element \"P\" here"
  "element left open|$valid_title|'<B>bold'|||end tag for \"B\" omitted, but its declaration does not permit this"
  "attribute the DTD lacks|$valid_title|'<B CLASS=\"x\">bold</B>'|||there is no attribute \"CLASS\""
  "undefined entity|$valid_title|'Fish &chips; here'|||general entity \"chips\" not defined and no default entity"
  "control character|$valid_title|'Price '#128' 5'|||non SGML character number 128"
  "a form written by hand inside a panel's table|$valid_title|$valid_lines|'<FORM NAME=\"x\" ACTION=\"y\" METHOD=GET>'||document type does not allow element \"FORM\" here|document type does not allow element \"TR\" here; assuming missing \"TABLE\" start-tag"
  "caption inside an input form|$valid_title|$valid_lines||'<CAPTION>Order</CAPTION>'|document type does not allow element \"CAPTION\" here"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r -a field <<<"$entry"
  name=${field[0]} title=${field[1]} lines=${field[2]} panelInside=${field[3]} formInside=${field[4]}
  fixture "$title" "$lines" "$panelInside" "$formInside" >"$work/fault.dfm"
  render "$work/fault.html" "$wbforms" render "$work/fault.dfm"
  report=$("$check" "$work/fault.html" 2>&1)
  status=$?
  ((status == 1)) || fail "$name: the check exited with $status instead of 1:"$'\n'"$report"
  for message in "${field[@]:5}"; do
    [[ $report == *":E: $message"* ]] ||
      fail "$name: the check did not report '$message':"$'\n'"$report"
  done
done

((failures == 0)) || exit 1
echo "The example pages are valid HTML 3.2 but for the components' own findings."
