#pragma once

#include <functional>
#include <string>

#include "designer/Designer.h"

namespace wbforms_designer {

struct THttpResponse {
    int Status = 200;
    std::string ContentType;
    std::string Body;
};

// Paints the form's design surface as a PNG file's bytes.
using TPreviewPainter = std::function<std::string(wb::TForm& Form)>;

// The design surface as `wbforms preview` paints it: every component's own paint, children over
// their parents, on the form's colour. Raises wb::Exception for a form without area or wider or
// taller than 8192 pixels.
std::string PaintPreviewPng(wb::TForm& Form);

// The designer's HTTP interface, without the server: a request in, a response out.
//
//   GET  /                          the designer's page (and its script and style sheet)
//   GET  /api/form                  the form: every component with its place and properties
//   GET  /api/palette               the palette pages and their components
//   GET  /api/palette/NAME.bmp      a palette bitmap
//   GET  /api/preview.png           the design surface as the components paint it
//   GET  /api/html                  the HTML of the form's first page
//   POST /api/create   {class, parent, left, top}
//   POST /api/bounds   {name, left, top, width, height}
//   POST /api/property {name, property, value}
//   POST /api/delete   {name}
//   POST /api/undo     {}
//   POST /api/save     {}
//
// Bodies are JSON in UTF-8; the form's texts are Latin-1 and are converted both ways (a
// character beyond Latin-1 is refused). A change answers {change, form}; a refused change
// answers 422 with {error: message} and the form stays as it was. Not thread-safe: the server
// calls it under one lock.
class TDesignApi {
public:
    // Painter may be empty: the surface then has no preview picture.
    TDesignApi(TDesigner& Designer, TPreviewPainter Painter);

    THttpResponse Handle(const std::string& Method, const std::string& Path,
                         const std::string& Body);

private:
    THttpResponse Get(const std::string& Path);
    THttpResponse Post(const std::string& Path, const std::string& Body);
    THttpResponse Preview();
    THttpResponse Html();

    TDesigner& FDesigner;
    TPreviewPainter FPainter;
    int64_t FPreviewRevision = 0;
    std::string FPreview;
};

}  // namespace wbforms_designer
