#!/usr/bin/env bash
# Builds the Debian package of the program from the release build
# (scripts/build-release.sh) through CPack, checks what it holds, and prints
# its path: build/release/package/purso_<version>_<architecture>.deb.
#
# Its Maintainer field names whoever builds it: DEBFULLNAME and DEBEMAIL when
# they are set, as Debian's own tools read them, else git's user.name and
# user.email.
set -euo pipefail
cd "$(dirname "$0")/.."

name=${DEBFULLNAME:-$(git config user.name 2>/dev/null || true)}
address=${DEBEMAIL:-$(git config user.email 2>/dev/null || true)}
maintainer=${name:-Tolva Computing}
[[ -n "$address" ]] && maintainer="$maintainer <$address>"

scripts/build-release.sh "-DPURSO_PACKAGE_MAINTAINER=$maintainer"
rm -rf build/release/package
(cd build/release && cpack -G DEB >/dev/null)
deb=$(find build/release/package -maxdepth 1 -name 'purso_*.deb')
[[ $(wc -l <<<"$deb") -eq 1 && -f "$deb" ]] || { echo "package-deb: CPack made no single package" >&2; exit 1; }

# What a desktop needs of the package is there, and its metainfo is valid.
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/purso ./usr/bin/purso-tool ./usr/share/purso/help/Index.htm \
  ./usr/share/applications/purso.desktop ./usr/share/mime/packages/purso.xml \
  ./usr/share/icons/hicolor/scalable/apps/purso.svg ./usr/share/icons/hicolor/256x256/apps/purso.png \
  ./usr/share/metainfo/com.tolvacomputing.purso.metainfo.xml ./usr/share/man/man1/purso.1.gz \
  ./usr/share/bash-completion/completions/purso-tool ./usr/share/purso/translations/purso_de.qm \
  ./usr/share/purso/translations/purso_fr.qm; do
  grep -qxF "$path" <<<"$contents" || { echo "package-deb: $deb lacks $path" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || { echo "package-deb: Depends lacks Qt: $depends" >&2; exit 1; }
if command -v appstreamcli >/dev/null; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  dpkg-deb --extract "$deb" "$scratch"
  appstreamcli validate --no-net "$scratch"/usr/share/metainfo/*.metainfo.xml >/dev/null
fi
echo "$deb"
