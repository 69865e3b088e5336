#ifndef MERVANE_CORE_TEXT_DOCUMENT_H
#define MERVANE_CORE_TEXT_DOCUMENT_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The heading and the rows as tab-separated lines; the cells are written as
// shown, numbers with the locale's separator.
std::string TabSeparated(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows);

// A report as a small document of blocks, written out once as HTML and once
// as plain text, so that a report pasted, printed or saved says the same.
struct Block {
    enum class Kind { Title, Heading, Paragraph, Table, Picture };
    Kind kind;
    std::string text;  // a picture's: what it shows, for those who cannot see it
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::string svg;     // a picture's, drawn by the core
    double width = 0, height = 0;  // a picture's size, in CSS pixels
};

using Document = std::vector<Block>;

// How a picture stands in the HTML: by default its SVG inline; a caller
// whose viewer cannot show SVG gives an image of its own (`index` counts the
// pictures from 0).
using PictureMarkup = std::function<std::string(const Block& picture, int index)>;

// The document's blocks as HTML for inside a page's body: every text
// escaped, each table with its heading row.
std::string DocumentHtml(const Document& document, const PictureMarkup& picture = {});
// The same as a page of its own, styled for reading and printing.
std::string DocumentPage(const Document& document, const PictureMarkup& picture = {});
// The same as plain text: paragraphs apart, tables as tab-separated lines, a picture as what it shows.
std::string DocumentText(const Document& document);

}  // namespace core

#endif
