#!/bin/sh
# The program starts and shows its main window when Qt's Spanish texts are
# missing. A copy of it runs, offscreen, from a folder whose qt.conf points Qt's
# translations to an empty folder; Qt's accessibility log names each window as
# it shows. Arguments: the program, then the folder of Qt's plugins.
set -u
programa=$1
plugins=$2
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
mkdir "$carpeta/sin_traducciones"
cp "$programa" "$carpeta/quelmora"

escribir_qt_conf() {
    printf '[Paths]\nPlugins=%s\nTranslations=%s\n' "$1" "$carpeta/sin_traducciones" \
        >"$carpeta/qt.conf"
}

arrancar() {
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.accessibility.cache.debug=true' \
        timeout "$1" "$carpeta/quelmora" >"$carpeta/salida" 2>&1
}

# The copy reads its qt.conf: pointed to no plugins at all, it cannot start.
escribir_qt_conf "$carpeta/sin_plugins"
arrancar 10
r=$?
if [ "$r" -eq 0 ] || [ "$r" -eq 124 ]; then
    echo "the copy does not read its qt.conf"
    exit 1
fi

escribir_qt_conf "$plugins"
arrancar 3
r=$?
if [ "$r" -ne 124 ]; then
    echo "the program ended by itself (status $r):"
    cat "$carpeta/salida"
    exit 1
fi
if ! grep -q 'role=Window.*obj=quelmora::menuprin' "$carpeta/salida"; then
    echo "the main window did not show:"
    cat "$carpeta/salida"
    exit 1
fi
echo "started and showed its main window without Qt's translations"
