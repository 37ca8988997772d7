# The commissioning report of the sample, page by page as pdftoppm draws it.
# Sourced by scripts/screenshots (uses $cli, $work, $here). The report is
# made as over SSH: no display and no environment but the sanitizer's.
if command -v pdftoppm >/dev/null 2>&1; then
    env -i ASAN_OPTIONS=detect_leaks=0 "$cli" report "$work/plant.chg" --output "$work/report.pdf"
    rm -f "$here"/docs/images/report-page-*.png
    pdftoppm -r 70 -png "$work/report.pdf" "$here/docs/images/report-page" &&
        echo "wrote $here/docs/images/report-page-*.png"
else
    echo "missing pdftoppm (poppler-utils): no report pictures" >&2
fi
