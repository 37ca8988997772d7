#pragma once

#include "core/report/report_document.h"
#include "core/resources/outcome.h"

#include <QPageSize>

#include <optional>
#include <string>
#include <string_view>

class QPainter;
class QPagedPaintDevice;

namespace brenmoor::report {

enum class PageSize { A4, Letter };

QPageSize qtPageSize(PageSize size);
// "A4" or "Letter"; nothing for another name.
std::optional<PageSize> pageSizeNamed(std::string_view name);

// Paints the document onto the device's pages, each with its header, its
// footer and "Page n of m", starting on the page the device is on. The
// painter is active on the device. Returns the number of pages.
int paintReport(const ReportDocument& document, QPainter& painter, QPagedPaintDevice& device);

// The document as a PDF of that page size, written to `path` whole or not
// at all (the file's message on failure). `pages` receives the page count.
Outcome writeReportPdf(const ReportDocument& document, const std::string& path, PageSize size,
                       int* pages = nullptr);

} // namespace brenmoor::report
