#pragma once

namespace schemakit {

// Width G of one check-box glyph of the platform style, measured once (on first
// use, which needs a QApplication) and kept for the life of the process. Box widths
// add it for every list kind.
int CheckBoxGlyphSize();

} // namespace schemakit
