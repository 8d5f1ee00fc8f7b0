# The Debian packages the builds need, in one list, and the installer every
# script uses. Sourced, not run:
#
#   source tools/paquetes.sh
#   instalar_paquetes "${PAQUETES[@]}" [more packages...]
#
# Qt6Charts' CMake files need Qt6OpenGL's, which come only in
# libqt6opengl6-dev; qt6-translations-l10n holds Qt's own Spanish texts
# (buttons of the message boxes, context menus of the boxes); xdotool and xclip
# type at the real program on a virtual X display and read what it copied (the
# test of real key presses). Every name is a real package: a name that only
# another package provides never reads as installed, and would send every start
# to apt-get.
PAQUETES=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
          libgl-dev qt6-translations-l10n libgtest-dev googletest clang-format
          locales xvfb xauth xdotool xclip fonts-dejavu-core fonts-liberation)

# Prints those of the given packages that are not installed, one per line.
paquetes_que_faltan() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

# Installs, with apt-get, those of the given packages that are not installed.
instalar_paquetes() {
  local faltan
  mapfile -t faltan < <(paquetes_que_faltan "$@")
  if [ ${#faltan[@]} -gt 0 ]; then
    echo "Installing: ${faltan[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${faltan[@]}"
  fi
}
