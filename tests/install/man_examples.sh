#!/usr/bin/env bash
# Runs every example of the installed manual pages, as a reader would type
# it, with the installed programs, and checks what each one gives.
# Usage: man_examples.sh BIN_DIR MAN6_DIR
set -euo pipefail
bin="$(cd "$1" && pwd)"
man6="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# What each example must give, by page and number: the last line it prints
# (a pattern), or "window" for a window that opens and stays open.
declare -A expected=(
  [dzwonex-text.1]='^\{.*"day":11[,}]'
  [dzwonex-text.2]='^\{"rng":[0-9]+,"day":366,.*"cases":\[\],'
  [dzwonex.1]=window
  [dzwonex.2]=window
)

# The window, wherever an example starts it: it must still be open after a
# few seconds, with nothing reported.
mkdir -p "$tmp/wrappers"
cat >"$tmp/wrappers/dzwonex" <<EOF
#!/usr/bin/env bash
timeout 3 "$bin/dzwonex" "\$@" 2>"$tmp/window-err"
status=\$?
[[ \$status == 124 ]] || { echo "the window ended with status \$status: \$(cat "$tmp/window-err")" >&2; exit 1; }
! grep -q '^dzwonex:' "$tmp/window-err" || { cat "$tmp/window-err" >&2; exit 1; }
EOF
chmod +x "$tmp/wrappers/dzwonex"
mkdir -p "$tmp/xdg-data" "$tmp/xdg-config" "$tmp/home"
export XDG_DATA_HOME="$tmp/xdg-data" XDG_CONFIG_HOME="$tmp/xdg-config" HOME="$tmp/home"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export PATH="$tmp/wrappers:$bin:$PATH"

ran=0
for page in dzwonex dzwonex-text; do
  file="$man6/$page.6.gz"
  [[ -f "$file" ]] || file="$man6/$page.6"
  [[ -f "$file" ]] || fail "no manual page $page in $man6"
  # Each block between .nf and .fi under EXAMPLES into its own script,
  # roff's escapes undone.
  mkdir -p "$tmp/$page"
  zcat -f "$file" | awk -v out="$tmp/$page" '
    /^\.SH/ { inExamples = ($2 == "EXAMPLES") }
    inExamples && /^\.nf/ { n++; inBlock = 1; next }
    inExamples && /^\.fi/ { inBlock = 0; next }
    inBlock { gsub(/\\-/, "-"); gsub(/\\e/, "\\"); print > (out "/" n ".sh") }'
  count="$(find "$tmp/$page" -name '*.sh' | wc -l)"
  [[ $count -gt 0 ]] || fail "$page has no examples"
  for n in $(seq "$count"); do
    want="${expected[$page.$n]:-}"
    [[ -n "$want" ]] || fail "$page example $n has nothing to check it by: $(cat "$tmp/$page/$n.sh")"
    work="$tmp/work-$page-$n"
    mkdir -p "$work"
    (cd "$work" && bash -euo pipefail "$tmp/$page/$n.sh") >"$tmp/out" 2>"$tmp/err" ||
      fail "$page example $n: $(cat "$tmp/$page/$n.sh"): $(cat "$tmp/err")"
    if [[ "$want" != window ]]; then
      last="$(tail -n 1 "$tmp/out")"
      [[ "$last" =~ $want ]] || fail "$page example $n printed: $(head -c 300 <<<"$last")"
    fi
    ran=$((ran + 1))
  done
done
[[ $ran == "${#expected[@]}" ]] || fail "ran $ran examples, expected ${#expected[@]}"
echo "ran the $ran examples of the manual pages"
