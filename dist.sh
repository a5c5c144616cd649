#!/usr/bin/env bash
# Builds dist/, the folder to hand out to a school: the page, the Debian package, the teacher's
# guide, LEGGIMI.txt and SHA256SUMS. Two runs from the same commit give the same bytes, wherever
# the tree lies: every time stamp is the last commit's, and no build path reaches a file.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_missing.sh build-essential cmake qt6-base-dev qt6-qpa-plugins fonts-liberation2 dpkg-dev file git

# CPack's DEB generator stamps every archive member and every file in the package with
# SOURCE_DATE_EPOCH when it is set (its own mtimes otherwise); gzip -n keeps the rest time-free.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
# The compilers write the source and build folders into debug data and so into the build ID.
prefix_map="-ffile-prefix-map=$PWD/="
export CXXFLAGS="$prefix_map${CXXFLAGS:+ $CXXFLAGS}"

./web.sh
cmake -S . -B build-dist -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS="$CXXFLAGS" >/dev/null
cmake --build build-dist -j2
rm -f build-dist/ricattura_*.deb
(cd build-dist && cpack -G DEB >/dev/null)

rm -rf dist
mkdir dist
cp build-web/ricattura.html build-dist/ricattura_*.deb build-dist/doc/guida-insegnante.html docs/LEGGIMI.txt dist/
(cd dist && files=(*) && sha256sum -- "${files[@]}" >SHA256SUMS)
touch -d "@$SOURCE_DATE_EPOCH" dist/*
echo "dist: $PWD/dist"
cat dist/SHA256SUMS
