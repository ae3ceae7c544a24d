#!/usr/bin/env bash
# Validates HTML files against the HTML 3.2 DTD with OpenSP's onsgmls and prints every message
# except the known findings in the components' own mark-up:
#     tests/html/check-html32.sh PAGE.html...
# Exit status 0 when nothing else was reported, 1 when something was, 2 when the check could
# not run.
#
# The components write some mark-up byte for byte that the DTD does not allow. Each such finding
# is accepted only where that mark-up stands, judged by the message and the text in front of the
# place onsgmls names:
#   there is no attribute "BGCOLOR"    on <TABLE BGCOLOR= and on <TD ... BGCOLOR=: the
#                                      background colour of a container and of a child's cell
#   there is no attribute "FACE"       on <FONT SIZE="n" FACE=: the typeface of a text
#   there is no attribute "NAME"       on <FORM NAME=: the name of an input form
#   there is no attribute "BORDER"     on <INPUT TYPE=SUBMIT VALUE="..." BORDER= and
#                                      <INPUT TYPE=IMAGE SRC="..." BORDER=: a submit button
#   document type does not allow element "FORM" here
#                                      on an input form's <FORM NAME="..." ACTION="..."
#                                      METHOD=...> right after its <TABLE ...>: the FORM start
#                                      tag and the hidden fields stand inside the table
#   and what onsgmls reports after it: the first <TR ...> after that start tag and the hidden
#   fields ("document type does not allow element "TR" here; assuming missing "TABLE"
#   start-tag"), the </FORM> after the last row ("end tag for "TABLE" omitted, ...", with the
#   place of the assumed start tag), and the </TABLE> right after it ("end tag for "TABLE"
#   which is not finished").
# onsgmls reports an attribute the DTD lacks once per element type, so a page's own texts
# cannot hide behind these findings except by repeating them.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
catalog=$here/html32.catalog

if (($# == 0)); then
  echo "usage: check-html32.sh PAGE.html..." >&2
  exit 2
fi
if ! command -v onsgmls >/dev/null; then
  echo "check-html32.sh: onsgmls is missing: install the Debian package opensp" >&2
  exit 2
fi
if [[ ! -r /usr/share/xml/w3c-sgml-lib/schema/dtd/REC-html32-19970114/HTML32.dtd ]]; then
  echo "check-html32.sh: the HTML 3.2 DTD is missing: install the Debian package w3c-sgml-lib" >&2
  exit 2
fi

# Reads onsgmls's messages about the file DOC (from the environment) on standard input; prints
# the ones not accepted. The awk program is single-quoted: its $ are awk's.
# shellcheck disable=SC2016
filter='
BEGIN {
  n = 0
  doc = ENVIRON["DOC"]
  while ((getline text < doc) > 0) line[++n] = text
  close(doc)
  prefix = "onsgmls:" doc ":"
  # The table start tag of an input form followed by its FORM start tag, up to the ">".
  tableForm = "<TABLE (BGCOLOR=\"#[0-9A-F]+\" )?BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=-?[0-9]+>" \
              "<FORM NAME=\"[^\"]*\" ACTION=\"[^\"]*\" METHOD=(GET|POST)"
  unexpected = 0
}

# The document text in front of column COL (the number of characters before the place) of
# line LINE; the lines before it are joined with the line feeds they ended with.
function before(lineNo, col,    i, s) {
  s = ""
  for (i = 1; i < lineNo; i++) s = s line[i] "\n"
  return s substr(line[lineNo], 1, col)
}

function accepted(msg, text) {
  if (msg == "there is no attribute \"BGCOLOR\"")
    return text ~ /<TABLE BGCOLOR=$/ ||
           text ~ /<TD (ALIGN="(right|center)")? HEIGHT=-?[0-9]+( ROWSPAN=[0-9]+| )( COLSPAN=[0-9]+| ) BGCOLOR=$/
  if (msg == "there is no attribute \"FACE\"")
    return text ~ /<FONT SIZE="[1-6]" FACE=$/
  if (msg == "there is no attribute \"NAME\"")
    return text ~ /<FORM NAME=$/
  if (msg == "there is no attribute \"BORDER\"")
    return text ~ /<INPUT TYPE=SUBMIT VALUE="[^"]*" BORDER=$/ ||
           text ~ /<INPUT TYPE=IMAGE SRC="[^"]*" BORDER=$/
  if (msg == "document type does not allow element \"FORM\" here")
    return text ~ (tableForm "$")
  if (msg == "document type does not allow element \"TR\" here; assuming missing \"TABLE\" start-tag")
    return text ~ (tableForm ">(<INPUT TYPE=HIDDEN NAME=[^<>]* VALUE=[^<>]*>)*<TR VALIGN=\"top\" ALIGN=\"left\"$")
  if (msg == "end tag for \"TABLE\" omitted, but its declaration does not permit this")
    return text ~ /<\/TR><\/FORM$/
  if (msg == "end tag for \"TABLE\" which is not finished")
    return text ~ /<\/TR><\/FORM><\/TABLE$/
  return 0
}

{
  raw = $0
  if (substr(raw, 1, length(prefix)) != prefix) { print raw; unexpected = 1; next }
  rest = substr(raw, length(prefix) + 1)
  lineNo = rest; sub(/:.*/, "", lineNo)
  rest = substr(rest, length(lineNo) + 2)
  col = rest; sub(/:.*/, "", col)
  rest = substr(rest, length(col) + 2)
  if (lineNo !~ /^[0-9]+$/ || col !~ /^[0-9]+$/) { print raw; unexpected = 1; next }
  # "E: message" is a message of its own; " message" continues the one before it (the place
  # of a start tag, say) and shares its verdict.
  if (rest ~ /^[A-Z]: /) {
    kept = accepted(substr(rest, 4), before(lineNo + 0, col + 0))
  }
  if (!kept) { print raw; unexpected = 1 }
}

END { exit unexpected }
'

status=0
for page in "$@"; do
  messages=$(SP_CHARSET_FIXED=YES SP_ENCODING=ISO-8859-1 onsgmls -s -c "$catalog" "$page" 2>&1)
  sgmls=$?
  if ((sgmls > 1)); then
    printf '%s\n' "$messages"
    echo "check-html32.sh: onsgmls failed on $page (exit status $sgmls)" >&2
    exit 2
  fi
  if [[ -n $messages ]]; then
    if ! printf '%s\n' "$messages" | DOC=$page awk "$filter"; then status=1; fi
  elif ((sgmls != 0)); then
    echo "check-html32.sh: onsgmls reported $page invalid without saying why" >&2
    status=1
  fi
done
exit $status
