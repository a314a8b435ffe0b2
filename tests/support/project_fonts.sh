# Sourced by the suites that read text off the screen: a fontconfig configuration that knows
# only the faces the project installs, with the package's Liberation faces first for every
# generic family, so that what is read is drawn as it is on a machine that has nothing else.

# use_project_fonts FOLDER: writes the configuration in FOLDER (which every user the suite
# runs programs as can read) and exports FONTCONFIG_FILE naming it.
use_project_fonts() {
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/packages.sh"
  local folders config=$1/project-fonts.conf family
  folders=$(dpkg -L "${ZORBEL_FONT_PACKAGES[@]}" 2>/dev/null | grep -E '\.(ttf|otf|ttc)$' |
    xargs -r -n 1 dirname | sort -u)
  if [ -z "$folders" ]; then
    echo "none of ${ZORBEL_FONT_PACKAGES[*]} is installed" >&2
    return 1
  fi
  {
    echo '<?xml version="1.0"?>'
    echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
    echo '<fontconfig>'
    sed 's|.*|  <dir>&</dir>|' <<<"$folders"
    echo '  <cachedir>/var/cache/fontconfig</cachedir>'
    echo '  <cachedir prefix="xdg">fontconfig</cachedir>'
    # Before the system's rules, which would put other faces first: the earlier preference
    # wins. Toolkits ask for the short names ("Sans 10"), which those rules spell out later.
    for family in "sans:Liberation Sans" "sans-serif:Liberation Sans" "serif:Liberation Serif" \
                  "mono:Liberation Mono" "monospace:Liberation Mono"; do
      echo "  <alias binding=\"strong\"><family>${family%%:*}</family><prefer><family>${family#*:}</family></prefer></alias>"
    done
    echo '  <include ignore_missing="yes">/etc/fonts/conf.d</include>'
    echo '</fontconfig>'
  } >"$config"
  chmod 644 "$config"
  export FONTCONFIG_FILE=$config
}
