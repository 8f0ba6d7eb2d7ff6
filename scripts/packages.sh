# Installs the Debian packages that are missing from this machine (sourced by play.sh and test.sh).
# Usage: install_missing PACKAGE...
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What building and running the game needs.
# Liberation Sans has the letter widths the window's captions were laid out for; Qt's own
# translations give the message boxes their Portuguese buttons.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins fonts-liberation
                qt6-translations-l10n)
# What the tests need besides.
# imagemagick's import reads what the real program's window shows.
TEST_PACKAGES=(libgtest-dev clang-format xvfb xdotool x11-utils openbox desktop-file-utils
               imagemagick)
