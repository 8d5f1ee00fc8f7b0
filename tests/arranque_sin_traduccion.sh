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

# Pointed to the plugins but to no translations, it shows its main window; the
# check waits for that, up to 20 s, then ends the program.
escribir_qt_conf "$plugins"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.accessibility.cache.debug=true' \
    "$carpeta/quelmora" >"$carpeta/salida" 2>&1 &
pid=$!
pasos=0
until grep -q 'role=Window.*obj=quelmora::menuprin' "$carpeta/salida"; do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        echo "the program ended by itself (status $?) before its main window showed:"
        cat "$carpeta/salida"
        exit 1
    fi
    pasos=$((pasos + 1))
    if [ "$pasos" -ge 200 ]; then
        kill "$pid"
        echo "the main window did not show within 20 s:"
        cat "$carpeta/salida"
        exit 1
    fi
    sleep 0.1
done
kill "$pid"
wait "$pid" 2>/dev/null
echo "started and showed its main window without Qt's translations"
