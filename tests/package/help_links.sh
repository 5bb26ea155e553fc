#!/usr/bin/env bash
# The help as the learner reads it from its contents page: every link between its pages
# leads to a page there and, with "#name", to a heading of that page; and the contents
# lead to the page on the import, which says what the import reads, how it is opened and
# what becomes of the entries it cannot store.
#   help_links.sh SOURCE_DIR
set -euo pipefail
help="$1/data/help"
fail() { echo "FAILED: $*"; exit 1; }
[ -f "$help/contents.html" ] || fail "no contents page in $help"

links=0
for page in "$help"/*.html; do
  name="$(basename "$page")"
  while IFS= read -r href; do
    case "$href" in http:* | https:* | mailto:*) continue ;; esac
    file="${href%%#*}"
    anchor=""
    [[ "$href" == *#* ]] && anchor="${href#*#}"
    target="$help/${file:-$name}"
    [ -f "$target" ] || fail "$name links to $href: no such page"
    if [ -n "$anchor" ] && ! grep -q "id=\"$anchor\"" "$target"; then
      fail "$name links to $href: no heading \"$anchor\" there"
    fi
    links=$((links + 1))
  done < <(grep -o 'href="[^"]*"' "$page" | sed 's/^href="//; s/"$//')
done
echo "$links links between the help's pages lead somewhere"

# The contents name the import page, and that page is about the import.
import="$(grep -o 'href="[^"#]*"[^<]*>インポート<' "$help/contents.html" | sed 's/^href="//; s/".*//' | head -n 1 || true)"
[ -n "$import" ] || fail "the contents have no link named インポート"
page="$help/$import"
grep -q '<h1>インポート</h1>' "$page" || fail "$import is not headed インポート"
for text in CSV TSV 'KVTML 2.0' UTF-8 UTF-16 Shift-JIS '辞書の作成' '辞書の編集' 'インポート (I)...' \
            '取り込めない項目' '?'; do
  grep -q -F -- "$text" "$page" || fail "$import does not mention \"$text\""
done
# Styled as the other pages: the same stylesheet, and a way back to the contents.
grep -q 'href="style.css"' "$page" || fail "$import does not use the help's stylesheet"
grep -q 'href="contents.html"' "$page" || fail "$import has no way back to the contents"
echo "1 passed, 0 failed"
