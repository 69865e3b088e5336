#include "core/text/document.h"

#include "core/text/markup.h"

namespace core {

std::string TabSeparated(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            (out += i ? "\t" : "") += cells[i];
        out += '\n';
    };
    line(columns);
    for (const std::vector<std::string>& cells : rows)
        line(cells);
    return out;
}

namespace {

std::string TableHtml(const Block& table)
{
    std::string out = "<table>\n<thead><tr>";
    for (const std::string& column : table.columns)
        out += "<th scope=\"col\">" + EscapeMarkup(column) + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (const std::vector<std::string>& row : table.rows) {
        out += "<tr>";
        for (std::size_t i = 0; i < row.size(); ++i) {
            // A row shorter than the heading ends in a note across the columns it has no figures for.
            const std::size_t span = i + 1 == row.size() && row.size() < table.columns.size()
                                         ? table.columns.size() - i : 1;
            out += (span > 1 ? "<td colspan=\"" + std::to_string(span) + "\">" : std::string("<td>")) +
                   EscapeMarkup(row[i]) + "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

std::string InlinePicture(const Block& picture, int)
{
    return "<figure role=\"img\" aria-label=\"" + EscapeMarkup(picture.text) + "\">" + picture.svg + "</figure>\n";
}

}  // namespace

std::string DocumentHtml(const Document& document, const PictureMarkup& picture)
{
    std::string out;
    int pictures = 0;
    for (const Block& b : document) {
        switch (b.kind) {
        case Block::Kind::Title: out += "<h1>" + EscapeMarkup(b.text) + "</h1>\n"; break;
        case Block::Kind::Heading: out += "<h2>" + EscapeMarkup(b.text) + "</h2>\n"; break;
        case Block::Kind::Paragraph: out += "<p>" + EscapeMarkup(b.text) + "</p>\n"; break;
        case Block::Kind::Table: out += TableHtml(b); break;
        case Block::Kind::Picture: out += (picture ? picture : InlinePicture)(b, pictures++); break;
        }
    }
    return out;
}

std::string DocumentPage(const Document& document, const PictureMarkup& picture)
{
    std::string title = "Report";
    for (const Block& b : document)
        if (b.kind == Block::Kind::Title) {
            title = b.text;
            break;
        }
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + EscapeMarkup(title) +
           "</title>\n<style>\n"
           "body { font: 11pt/1.4 sans-serif; max-width: 48em; margin: 2em auto; padding: 0 1em; color: #000; }\n"
           "h1 { font-size: 16pt; } h2 { font-size: 13pt; margin-top: 1.6em; break-after: avoid; }\n"
           "table { border-collapse: collapse; margin: 0.6em 0; }\n"
           "th, td { border: 1px solid #888; padding: 2px 6px; text-align: left; vertical-align: top; }\n"
           "tr { break-inside: avoid; } thead { display: table-header-group; }\n"
           "figure { margin: 0.6em 0; break-inside: avoid; }\n"
           "</style>\n</head>\n<body>\n" +
           DocumentHtml(document, picture) + "</body>\n</html>\n";
}

std::string DocumentText(const Document& document)
{
    std::string out;
    for (const Block& b : document) {
        if (!out.empty())
            out += '\n';
        switch (b.kind) {
        case Block::Kind::Title:
        case Block::Kind::Heading:
        case Block::Kind::Paragraph: out += b.text + '\n'; break;
        case Block::Kind::Table: out += TabSeparated(b.columns, b.rows); break;
        case Block::Kind::Picture: out += "[" + b.text + "]\n"; break;
        }
    }
    return out;
}

}  // namespace core
