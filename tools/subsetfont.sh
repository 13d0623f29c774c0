#!/bin/bash
# Rebuilds the fonts bundled in ui/fonts/ from the installed Debian packages:
#   ui/fonts/song.ttf           AR PL UMing CN (fonts-arphic-uming), cut down to the
#                               characters this program and Qt's Chinese dialogs show
#   ui/fonts/tahoma-subset.ttf  Wine's Tahoma (fonts-wine), cut down to printable ASCII
# Needs: fonts-arphic-uming fonts-wine fonttools qt6-l10n-tools qt6-translations-l10n
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly ROOT
readonly UMING=/usr/share/fonts/truetype/arphic/uming.ttc
readonly UMING_FAMILY="AR PL UMing CN"
readonly TAHOMA=/usr/share/wine/fonts/tahoma.ttf
readonly QT_TRANSLATION=/usr/share/qt6/translations/qtbase_zh_CN.qm
readonly LCONVERT=/usr/lib/qt6/bin/lconvert
# fontTools comes from Debian's python3-fonttools; a python3 earlier in PATH may lack it.
readonly PYTHON=/usr/bin/python3
readonly PROGRAM_TEXTS="$ROOT/tools/program-texts.txt"
readonly PRINTABLE_ASCII=20-7E

# The Qt dialogs and menus this program can open, whose Chinese texts must render too.
readonly QT_CONTEXTS="QMessageBox QDialogButtonBox QPlatformTheme QGnomeTheme QDialog
QFileDialog QFileSystemModel QComboBox QScrollBar QLineEdit QWidgetTextControl
QUnicodeControlCharacterMenu QShortcut QWhatsThisAction"

fail() {
    echo "subsetfont.sh: $*" >&2
    exit 1
}

require_inputs() {
    local file
    for file in "$UMING" "$TAHOMA" "$QT_TRANSLATION" "$LCONVERT" "$PROGRAM_TEXTS"; do
        [[ -e "$file" ]] || fail "missing $file"
    done
    command -v pyftsubset >/dev/null || fail "pyftsubset not found (package fonttools)"
    "$PYTHON" -c 'import fontTools' 2>/dev/null || fail "$PYTHON cannot import fontTools"
}

# Prints the index of the named family inside a font collection.
font_number_of() {
    "$PYTHON" - "$1" "$2" <<'EOF'
import sys
from fontTools.ttLib import TTCollection
collection, family = sys.argv[1], sys.argv[2]
for number, font in enumerate(TTCollection(collection).fonts):
    if font["name"].getDebugName(1) == family:
        print(number)
        sys.exit(0)
sys.exit(f"{family} not found in {collection}")
EOF
}

# Writes every character of the program's texts and of the Qt translations of the
# contexts above, sorted and without repeats, to the file named by $2.
collect_characters() {
    local translation_source="$1" output="$2"
    "$PYTHON" - "$PROGRAM_TEXTS" "$translation_source" "$QT_CONTEXTS" >"$output" <<'EOF'
import sys
import xml.etree.ElementTree as ET
program_texts, translation_source, contexts = sys.argv[1], sys.argv[2], sys.argv[3].split()
characters = set()
with open(program_texts, encoding="utf-8") as texts:
    for line in texts:
        if not line.startswith("#"):
            characters.update(line.rstrip("\n"))
found = set()
for context in ET.parse(translation_source).getroot().iter("context"):
    name = context.findtext("name")
    if name in contexts:
        found.add(name)
        for translation in context.iter("translation"):
            characters.update("".join(translation.itertext()))
missing = set(contexts) - found
if missing:
    sys.exit("no translations for " + " ".join(sorted(missing)))
characters.discard("\n")
print("".join(sorted(characters)))
EOF
}

# Both licences ask every modified copy to say how and when it was changed; the note
# is appended to the font's copyright string.
add_modification_notice() {
    local font="$1" what="$2"
    "$PYTHON" - "$font" "Modified $(date -u +%Y-%m-%d): $what" <<'EOF'
import sys
from fontTools.ttLib import TTFont
path, notice = sys.argv[1], sys.argv[2]
font = TTFont(path, recalcTimestamp=False)
for record in font["name"].names:
    if record.nameID == 0:
        record.string = record.toUnicode() + "\n\n" + notice
font.save(path)
EOF
}

subset_song() {
    local workdir="$1" number
    number="$(font_number_of "$UMING" "$UMING_FAMILY")"
    "$LCONVERT" -i "$QT_TRANSLATION" -o "$workdir/qtbase_zh_CN.ts"
    collect_characters "$workdir/qtbase_zh_CN.ts" "$workdir/characters.txt"
    # The embedded 11-16 px bitmaps cost a third of the file but are kept: drawn from
    # the outlines alone, small characters such as 国 lose strokes.
    pyftsubset "$UMING" --font-number="$number" \
        --text-file="$workdir/characters.txt" --unicodes="$PRINTABLE_ASCII" \
        --name-IDs='*' --drop-tables-=EBDT,EBLC --drop-tables+='BDF ',FFTM \
        --output-file="$ROOT/ui/fonts/song.ttf"
    add_modification_notice "$ROOT/ui/fonts/song.ttf" "subset of $UMING_FAMILY (Debian \
package fonts-arphic-uming) made with pyftsubset by tools/subsetfont.sh, keeping only the \
characters the program it is bundled with displays; the glyphs are unchanged."
}

subset_tahoma() {
    # The embedded bitmaps give small titles the crisp look of the original.
    pyftsubset "$TAHOMA" --unicodes="$PRINTABLE_ASCII" --name-IDs='*' \
        --drop-tables-=EBDT,EBLC --drop-tables+='BDF ',FFTM \
        --output-file="$ROOT/ui/fonts/tahoma-subset.ttf"
    add_modification_notice "$ROOT/ui/fonts/tahoma-subset.ttf" "subset of Wine's Tahoma \
(Debian package fonts-wine) made with pyftsubset by tools/subsetfont.sh, keeping only \
printable ASCII; the glyphs are unchanged."
}

main() {
    require_inputs
    WORKDIR="$(mktemp -d)"
    trap 'rm -rf "$WORKDIR"' EXIT
    mkdir -p "$ROOT/ui/fonts"
    subset_song "$WORKDIR"
    subset_tahoma
    ls -l "$ROOT/ui/fonts/song.ttf" "$ROOT/ui/fonts/tahoma-subset.ttf"
}

main "$@"
