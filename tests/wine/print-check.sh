#!/usr/bin/env bash
# Prints a report for real: CUPS with a PDF printer, Firmlook under Wine printing to it, and
# the PDF checked for the report's lines and the page count the test computed.
# usage: print-check.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
pgrep -x cupsd >/dev/null || { /usr/sbin/cupsd; sleep 2; }
if ! lpstat -p FirmlookPDF >/dev/null 2>&1; then
  lpadmin -p FirmlookPDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd 2>/dev/null || exit 1
fi
lpadmin -d FirmlookPDF
# cups-pdf writes to the PDF folder in the job owner's home as the user database gives it.
out=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
mkdir -p "$out"; rm -f "$out"/*.pdf
expected=$build/print-expected.txt; rm -f "$expected"
FIRMLOOK_PRINT_EXPECTED="Z:${expected//\//\\}" \
  bash "$here/run-under-wine.sh" "$build" en_US.UTF-8 firmlook_e2e.exe --gtest_filter='Printing.*' || exit 1
# cups-pdf converts the job while it is queued; its spool and the PDF folder move meanwhile.
bash "$here/../../tools/watch-progress.sh" --no-cpu --watch /var/spool/cups --watch "$out" \
    "the PDF printer" -- sh -c 'while lpstat -o 2>/dev/null | grep -q .; do sleep 0.5; done' || exit 1
pdf=$(ls -t "$out"/*.pdf 2>/dev/null | head -1)
[ -n "$pdf" ] || { echo "FAIL no PDF was printed"; exit 1; }
passed=0; failed=0
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
want=$(head -1 "$expected" | awk '{print $2}')
if [ "$pages" = "$want" ]; then passed=$((passed + 1)); echo "ok   $pages page(s), as computed"
else failed=$((failed + 1)); echo "FAIL $pages page(s), expected $want"; fi
cut=$(head -1 "$expected" | awk '{print $4}')
# The PDF's hyphens come back as soft hyphens (U+00AD); a line is cut at the characters per line.
text=$(pdftotext -layout "$pdf" - | sed 's/\xC2\xAD/-/g' | tr -s ' ')
while IFS= read -r line; do
  line=$(printf '%s' "$line" | tr -d '\r' | cut -c1-"$cut" | tr -s ' ' | sed 's/^ //; s/ $//')
  [ -z "$line" ] && continue
  if grep -qF -- "$line" <<<"$text"; then passed=$((passed + 1))
  else failed=$((failed + 1)); echo "FAIL line missing from the PDF: $line"; fi
done < <(tail -n +2 "$expected")
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
