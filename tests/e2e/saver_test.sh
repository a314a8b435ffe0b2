#!/bin/bash
# The screen saver under Wine: the window covers the screen, the intro panel shows for
# 3.5 s, then the display label shows items; a key before arming is ignored, after it ends
# the saver with status 0.
#   saver_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

window_title="Zorbel Joke Screensaver"
joke='The town clock of Zorb stopped at noon.\r\nThe zorbels have been waiting politely ever since.'
notices='^(The following message only appears|This is the BETA edition)'

saver_folder() {
  local folder
  folder=$(e2e_workdir)
  printf '"One joke",1,4\r\nclean,0,0\r\nThe town clock of Zorb stopped at noon.\r\nThe zorbels have been waiting politely ever since.\r\n</joke>\r\n' >"$folder/jokes.txt"
  printf 'clean\r\nmedicalno\r\n 2 \r\n' >"$folder/Qorv.ini"
  echo "$folder"
}

# The texts of the window's visible labels, one per line.
label_texts() { e2e_texts "$window_title" Static; }

# The intro, a key before arming, the display cycle, then a key once armed.
e2e_start "$(saver_folder)" /s
e2e_probe wait "$window_title" 45 >/dev/null || e2e_fail "no saver window: $(e2e_probe list)"
e2e_mark
e2e_expect_eq "window rectangle" "0 0 $(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2}')" \
  "$(e2e_probe list | awk -F'\t' -v title="$window_title" '$4 == title {print $3; exit}')"
e2e_sleep_until 1
intro=$(label_texts)
for text in "Tarnwick Entertainment Company proudly presents" "Zorbel Joke Screen Saver" "NEW:"; do
  grep -qxF "$text" <<<"$intro" || e2e_fail "intro text \"$text\" missing at 1 s: $intro"
done
echo "ok: intro panel at 1 s"
e2e_screenshot saver-intro

e2e_sleep_until 2.5
xdotool key a
sleep 0.5
e2e_running || e2e_fail "a key at 2.5 s ended the saver"
echo "ok: a key at 2.5 s is ignored"

e2e_sleep_until 4
grep -qxF "NEW:" <<<"$(label_texts)" && e2e_fail "the intro panel is still there at 4 s"
echo "ok: intro panel gone at 4 s"

e2e_sleep_until 7
shown=$(label_texts | grep -vE "$notices" | grep -v '^$')
[ -n "$shown" ] || e2e_fail "the display label shows nothing at 7 s"
if [ "$shown" = "$joke" ]; then echo "ok: the joke shows at 7 s"; else echo "ok: a promotional message shows at 7 s: $shown"; fi
e2e_running || e2e_fail "the saver ended without input"
e2e_screenshot saver-display
xdotool key a
e2e_wait_exit 20 || e2e_fail "a key at 7 s did not end the saver"
echo "ok: a key at 7 s ends the saver"
e2e_expect_eq "exit status of a saver ended by a key" 0 "$E2E_STATUS"

e2e_pass
