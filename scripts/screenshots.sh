# Sourced by run.sh and run_linux.sh: settled screenshots of a (virtual) display.

# capture FILE: the whole screen as a PNG whose bytes depend on its pixels alone.
capture() { import -window root -define png:exclude-chunks=date,time "png:$1"; }

# settled_screenshot FILE [BEFORE]: waits until the screen differs from the screenshot
# BEFORE (when given), then until four captures 0.3 s apart are equal, and keeps the last
# as FILE; after 30 s it keeps what it has and says so.
settled_screenshot() {
  local file=$1 before=${2:-} equal=0 deadline=$((SECONDS + 30))
  capture "$file.new"
  while [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.3
    mv "$file.new" "$file.last"
    capture "$file.new"
    if [ -n "$before" ] && cmp -s "$file.new" "$before"; then
      equal=0
    elif cmp -s "$file.new" "$file.last"; then
      equal=$((equal + 1))
      [ "$equal" -ge 3 ] && break
    else
      equal=0
    fi
  done
  [ "$equal" -ge 3 ] || echo "The screen did not settle; this screenshot may be half-painted." >&2
  mv "$file.new" "$file" && rm -f "$file.last"
  echo "Screenshot: $file"
}
