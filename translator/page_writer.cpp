#include "translator/page_writer.h"

#include "common/embedded_texts.h"
#include "common/text.h"

namespace qc {

const std::vector<std::wstring>& runtimeLibraryLines() {
    // Text behind the last line end (the "//EOF" fragment) never reaches a page.
    static const std::vector<std::wstring> lines =
        splitEmbeddedLines(fromSingleByte(runtimeLibraryText()), true);
    return lines;
}

const std::vector<std::wstring>& styleBlockLines() {
    static const std::vector<std::wstring> lines =
        splitEmbeddedLines(fromSingleByte(styleBlockText()), false);
    return lines;
}

TranslationResult writePage(const TranslatorState* /*state*/,
                            const std::vector<std::wstring>& translatedProgram) {
    TranslationResult page;
    page.pageLines = {
        L"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"  "
        L"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">",
        L"<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">",
        L"<head><title>-</title>",
        L"<meta http-equiv=\"content-type\" content=\"text/html;charset=utf-8\"/>",
        L"<script type=\"text/javascript\">",
    };
    auto& script = page.scriptLines;
    script = runtimeLibraryLines();
    script.insert(script.end(), translatedProgram.begin(), translatedProgram.end());
    script.insert(script.end(),
                  {L"function _qlcxi(){", L"QLCXInit(\"QLCXcanvas\");", L"INIT();", L"}"});
    page.pageLines.insert(page.pageLines.end(),
                          {L"</script>", L"</head>", L"<body id=\"winout\" onLoad=\"_qlcxi();\">",
                           L"<canvas id=\"QLCXcanvas\" width=\"1\" height=\"1\">",
                           L"This text is displayed if your browser does not support HTML5 "
                           L"Canvas!",
                           L"</canvas>", L"</body>", L"</html>"});
    return page;
}

} // namespace qc
