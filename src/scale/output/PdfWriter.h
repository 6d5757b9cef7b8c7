// The picture as a one-page PDF of exactly the plate's size, drawn with
// cairo as vectors in the same geometry as the SVG document.
#pragma once

#include <string>

#include "scale/drawing/DisplayList.h"

namespace sp {

// The bytes of the PDF file. Throws EOutOfResources when cairo runs out of
// memory.
std::string PdfDocument(const DisplayList& list);

}  // namespace sp
