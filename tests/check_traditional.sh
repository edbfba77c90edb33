#!/bin/bash
# The Traditional edition as the build made it: every text is there, none of the conversion traps we
# found has come back, and each converts back to its Simplified source.
#   check_traditional.sh SOURCE_ROOT WIN_BUILD
set -uo pipefail
ROOT="$1" HANT="$2/zh-Hant" WORK="$2/traditional-check"
mkdir -p "$WORK"
# The way back: OpenCC's Taiwan-to-Simplified, with our phrase table turned round taking precedence.
awk -F'\t' 'NF == 2 { print $2 "\t" $1 }' "$ROOT/resources/traditional/phrases.txt" > "$WORK/phrases.txt"
cat > "$WORK/tw2s.json" <<'JSON'
{
  "name": "Torvane: Traditional (Taiwan) back to Simplified, our phrases first",
  "segmentation": {"type": "mmseg", "dict": {"type": "group", "dicts": [
    {"type": "text", "file": "phrases.txt"}, {"type": "ocd2", "file": "TSPhrases.ocd2"}]}},
  "conversion_chain": [
    {"dict": {"type": "group", "dicts": [
      {"type": "ocd2", "file": "TWVariantsRevPhrases.ocd2"}, {"type": "ocd2", "file": "TWVariantsRev.ocd2"}]}},
    {"dict": {"type": "group", "dicts": [
      {"type": "text", "file": "phrases.txt"}, {"type": "ocd2", "file": "TSPhrases.ocd2"},
      {"type": "ocd2", "file": "TSCharacters.ocd2"}]}}]
}
JSON
traps="$(grep -v '^#' "$ROOT/tests/traditional_traps.txt" | cut -f1 | grep -v '^$')"
failures=0 checked=0
for source in "$ROOT"/resources/figures/*.txt "$ROOT"/resources/{main_dialog.rc,strings.rc,readme-zh.txt}; do
  name="${source#"$ROOT"/resources/}"
  made="$HANT/$name"
  checked=$((checked + 1))
  if [ ! -s "$made" ]; then
    echo "missing: $name"; failures=$((failures + 1)); continue
  fi
  hits="$(grep -o -F "$traps" "$made" | sort -u | tr '\n' ' ')"
  [ -z "$hits" ] || { echo "$name: $hits"; failures=$((failures + 1)); }
  opencc -c "$WORK/tw2s.json" -i "$made" -o "$WORK/back"
  cmp -s "$source" "$WORK/back" || {
    echo "$name does not convert back:"; diff "$source" "$WORK/back" | head -4; failures=$((failures + 1)); }
done
echo "Traditional edition: $checked texts, $failures failed"
[ "$failures" -eq 0 ]
