#!/bin/bash
# The Traditional edition as the build made it: every text is there, none of the conversion traps we
# found has come back, the introduction and readme use Taiwan's words, and each converts back to its
# Simplified source.
#   check_traditional.sh SOURCE_ROOT WIN_BUILD
set -uo pipefail
ROOT="$1" HANT="$2/zh-Hant" WORK="$2/traditional-check"
mkdir -p "$WORK"
# The way back: OpenCC's Taiwan-to-Simplified, with our phrase table turned round taking precedence.
awk -F'\t' 'NF == 2 { print $2 "\t" $1 }' "$ROOT/resources/traditional/phrases.txt" > "$WORK/phrases.txt"
# The introduction and the readme were also given Taiwan's words: their way back takes those back too,
# in a stage between the two.
way_back() {  # way_back [STAGE]
  cat <<JSON
{
  "name": "Torvane: Traditional (Taiwan) back to Simplified, our phrases first",
  "segmentation": {"type": "mmseg", "dict": {"type": "group", "dicts": [
    {"type": "text", "file": "phrases.txt"}, {"type": "ocd2", "file": "TSPhrases.ocd2"}]}},
  "conversion_chain": [
    {"dict": {"type": "group", "dicts": [
      {"type": "ocd2", "file": "TWVariantsRevPhrases.ocd2"}, {"type": "ocd2", "file": "TWVariantsRev.ocd2"}]}},${1:-}
    {"dict": {"type": "group", "dicts": [
      {"type": "text", "file": "phrases.txt"}, {"type": "ocd2", "file": "TSPhrases.ocd2"},
      {"type": "ocd2", "file": "TSCharacters.ocd2"}]}}]
}
JSON
}
way_back > "$WORK/tw2s.json"
way_back '
    {"dict": {"type": "group", "dicts": [
      {"type": "text", "file": "phrases.txt"}, {"type": "ocd2", "file": "TWPhrasesRev.ocd2"}]}},' > "$WORK/tw2sp.json"
traps="$(grep -v '^#' "$ROOT/tests/traditional_traps.txt" | cut -f1 | grep -v '^$')"
failures=0 checked=0
for source in "$ROOT"/resources/figures/*.txt "$ROOT"/resources/{main_dialog.rc,strings.rc,version_strings.rc,readme-zh.txt}; do
  name="${source#"$ROOT"/resources/}"
  made="$HANT/$name"
  back="$WORK/tw2s.json"
  case "$name" in
  figures/intro.txt|readme-zh.txt)
    back="$WORK/tw2sp.json"
    words="$(grep -o -E '程序|窗口|文件夾|壓縮包|設置|運行|界面' "$made" | sort -u | tr '\n' ' ')"
    [ -z "$words" ] || { echo "$name keeps mainland words: $words"; failures=$((failures + 1)); } ;;
  esac
  checked=$((checked + 1))
  if [ ! -s "$made" ]; then
    echo "missing: $name"; failures=$((failures + 1)); continue
  fi
  hits="$(grep -o -F "$traps" "$made" | sort -u | tr '\n' ' ')"
  [ -z "$hits" ] || { echo "$name: $hits"; failures=$((failures + 1)); }
  opencc -c "$back" -i "$made" | sed 's/「/“/g; s/」/”/g; s/『/‘/g; s/』/’/g' > "$WORK/back"
  cmp -s "$source" "$WORK/back" || {
    echo "$name does not convert back:"; diff "$source" "$WORK/back" | head -4; failures=$((failures + 1)); }
done
echo "Traditional edition: $checked texts, $failures failed"
[ "$failures" -eq 0 ]
