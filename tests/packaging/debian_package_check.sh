#!/usr/bin/env bash
# Checks the Debian package as a player gets it, one step per ctest test:
#   build       makes the package with CPack and unpacks it into a scratch root
#   files       the package holds the program, its shipped files and the
#               desktop integration, and nothing outside its prefix
#   fields      name, version, section, maintainer, description, dependencies
#   desktop     the unpacked desktop entry passes desktop-file-validate
#   metainfo    the unpacked AppStream metadata passes appstreamcli
#   icons       every hicolor icon is a picture of the size its folder says
#   starts      the unpacked program opens its window, with its libraries
#               found in share/lumbra; without them it says one is missing
# The build step must run first (ctest does that through a fixture).
#
# The environment names the build: LUMBRA_CPACK (the cpack program),
# LUMBRA_CPACK_CONFIG, LUMBRA_PACKAGE_DIR (scratch folder), LUMBRA_PREFIX,
# LUMBRA_APP_ID, LUMBRA_VERSION. A step whose tools are missing is skipped
# (exit 77) and says which tool to install.
set -euo pipefail

readonly skipped=77
readonly package_dir="${LUMBRA_PACKAGE_DIR:?}"
readonly root="${package_dir}/root"
readonly prefix="${LUMBRA_PREFIX:?}"
readonly app_id="${LUMBRA_APP_ID:?}"
readonly version="${LUMBRA_VERSION:?}"
readonly installed="${root}${prefix}"

fail() { echo "FAIL: $*" >&2; exit 1; }

need() {
  local tool
  for tool in "$@"; do
    if ! command -v "${tool}" >/dev/null; then
      echo "SKIPPED: ${tool} is not installed (bash tools/install-deps.sh test installs it)"
      exit "${skipped}"
    fi
  done
}

the_package() {
  local found=("${package_dir}"/lumbra_"${version}"_*.deb)
  [[ -f "${found[0]}" ]] || fail "no lumbra_${version}_*.deb in ${package_dir}; did the build step run?"
  echo "${found[0]}"
}

build() {
  # CPack's dependency scan runs dpkg-shlibdeps, which reads ELF files with file.
  need dpkg-deb dpkg-shlibdeps file
  rm -rf "${package_dir}"
  mkdir -p "${package_dir}"
  "${LUMBRA_CPACK:?}" -G DEB --config "${LUMBRA_CPACK_CONFIG:?}" -B "${package_dir}"
  dpkg-deb -x "$(the_package)" "${root}"
}

files() {
  need dpkg-deb
  local listing
  listing="$(dpkg-deb --contents "$(the_package)" | awk '{print $NF}' | sed 's|^\./|/|')"
  local icons=(16 32 48 64 128 256)
  local expected=(
    "${prefix}/bin/lumbra"
    "${prefix}/share/lumbra/lrestd.lgr"
    "${prefix}/share/lumbra/lreslo.lgr"
    "${prefix}/share/lumbra/lresshape.lgr"
    "${prefix}/share/lumbra/Manual.htm"
    "${prefix}/share/lumbra/lumbra.ico"
    "${prefix}/share/applications/${app_id}.desktop"
    "${prefix}/share/metainfo/${app_id}.metainfo.xml"
    "${prefix}/share/icons/hicolor/scalable/apps/${app_id}.svg"
  )
  local size
  for size in "${icons[@]}"; do
    expected+=("${prefix}/share/icons/hicolor/${size}x${size}/apps/${app_id}.png")
  done
  local path
  for path in "${expected[@]}"; do
    grep -qxF "${path}" <<<"${listing}" || fail "the package lacks ${path}"
  done
  # Only folders on the way to the prefix, and nothing but files inside it.
  local stray
  stray="$(grep -v -e "^${prefix}/" <<<"${listing}" | grep -v '/$' || true)"
  [[ -z "${stray}" ]] || fail "files outside ${prefix}: ${stray}"
  # The build's tools and tests stay out of the package.
  local unexpected
  unexpected="$(grep -E '^'"${prefix}"'/bin/.' <<<"${listing}" | grep -vxF "${prefix}/bin/lumbra" || true)"
  [[ -z "${unexpected}" ]] || fail "more programs than the game: ${unexpected}"
}

fields() {
  need dpkg-deb
  local deb
  deb="$(the_package)"
  [[ "$(dpkg-deb --field "${deb}" Package)" == lumbra ]] || fail "package name is not lumbra"
  [[ "$(dpkg-deb --field "${deb}" Version)" == "${version}" ]] || fail "version is not ${version}"
  [[ "$(dpkg-deb --field "${deb}" Section)" == games ]] || fail "section is not games"
  [[ "$(dpkg-deb --field "${deb}" Maintainer)" == *@*">" ]] || fail "no maintainer with an address"
  local description
  description="$(dpkg-deb --field "${deb}" Description)"
  [[ "$(wc -l <<<"${description}")" -gt 3 ]] || fail "the description has no long text: ${description}"
  local depends
  depends="$(dpkg-deb --field "${deb}" Depends)"
  echo "Depends: ${depends}"
  local library
  for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6network6 libcurl4 libc6; do
    grep -qE "(^|, )${library} " <<<"${depends}" || fail "Depends lacks ${library}"
  done
}

desktop() {
  need desktop-file-validate
  local entry="${installed}/share/applications/${app_id}.desktop"
  desktop-file-validate "${entry}" || fail "desktop-file-validate rejects ${entry}"
  grep -qx "Icon=${app_id}" "${entry}" || fail "the entry's icon is not ${app_id}"
  grep -qx "Categories=Game;BoardGame;" "${entry}" || fail "the entry is not in Game;BoardGame;"
  # The menu starts the command the package installs on the PATH.
  local command
  command="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "${entry}")"
  [[ -x "${installed}/bin/${command}" ]] || fail "Exec=${command} is not the packaged program"
}

metainfo() {
  need appstreamcli
  local metadata="${installed}/share/metainfo/${app_id}.metainfo.xml"
  # Every hint counts, except that the web site's address is plain HTTP: that
  # is the site owner's choice (LUMBRA_WEB_SITE), not a fault of the file.
  appstreamcli validate --no-net --strict --override=url-not-secure=pedantic "${metadata}" \
    || fail "appstreamcli rejects ${metadata}"
  grep -q "<release version=\"${version}\"" "${metadata}" || fail "no release ${version}"
  grep -q "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>" "${metadata}" \
    || fail "the metadata does not launch ${app_id}.desktop"
}

icons() {
  need file
  local theme="${installed}/share/icons/hicolor"
  local size
  for size in 16 32 48 64 128 256; do
    file "${theme}/${size}x${size}/apps/${app_id}.png" | grep -q "PNG image data, ${size} x ${size}," \
      || fail "the ${size}x${size} icon is not a ${size} x ${size} PNG"
  done
  file "${theme}/scalable/apps/${app_id}.svg" | grep -q "SVG" || fail "the scalable icon is not SVG"
}

# Runs the program of the given root on a private X display and settings
# folder until a window with the given title appears; prints that title or,
# after ten seconds, nothing. The program is stopped by its process id.
first_window_of() {
  local program_root="$1" title_pattern="$2"
  local home display_pipe program_pid xvfb_pid display
  home="$(mktemp -d "${package_dir}/home.XXXXXX")"
  display_pipe="${home}/display"
  mkfifo "${display_pipe}"
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"${display_pipe}" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r display <"${display_pipe}" || true
  [[ -n "${display}" ]] || fail "Xvfb did not start"
  HOME="${home}" XDG_CONFIG_HOME="${home}/config" XDG_DATA_HOME="${home}/data" \
    DISPLAY=":${display}" QT_QPA_PLATFORM=xcb "${program_root}${prefix}/bin/lumbra" \
    >"${home}/output" 2>&1 &
  program_pid=$!
  local tries title=""
  for tries in $(seq 1 40); do
    title="$(DISPLAY=":${display}" xdotool search --name "${title_pattern}" getwindowname 2>/dev/null | head -n 1 || true)"
    [[ -n "${title}" ]] && break
    kill -0 "${program_pid}" 2>/dev/null || break
    sleep 0.25
  done
  kill "${program_pid}" 2>/dev/null || true
  wait "${program_pid}" 2>/dev/null || true
  kill "${xvfb_pid}" 2>/dev/null || true
  wait "${xvfb_pid}" 2>/dev/null || true
  echo "${title}"
}

starts() {
  need Xvfb xdotool
  local title
  title="$(first_window_of "${root}" "^Lumbra |^Error while loading resources$")"
  [[ -n "${title}" ]] || fail "the packaged program opened no window within ten seconds"
  [[ "${title}" == "Lumbra ${version}" ]] || fail "the packaged program showed \"${title}\" instead of its board"
  echo "the packaged program opened \"${title}\""

  # The same program without its libraries must say so; this proves the
  # check above can tell a found library from a missing one. The program
  # would also find an installed copy, so that case cannot show it.
  if [[ -e "${prefix}/share/lumbra/lrestd.lgr" ]]; then
    echo "not checking the missing-library message: Lumbra is installed in ${prefix} on this machine"
    return
  fi
  local bare="${package_dir}/root-without-libraries"
  rm -rf "${bare}"
  cp -a "${root}" "${bare}"
  rm "${bare}${prefix}/share/lumbra/"*.lgr
  title="$(first_window_of "${bare}" "^Lumbra |^Error while loading resources$")"
  [[ "${title}" == "Error while loading resources" ]] \
    || fail "without its libraries the program showed \"${title}\" instead of the missing-library message"
}

case "${1:-}" in
  build | files | fields | desktop | metainfo | icons | starts) "$1" ;;
  *) echo "usage: $0 build|files|fields|desktop|metainfo|icons|starts" >&2; exit 2 ;;
esac
