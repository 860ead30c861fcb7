#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sheet {

struct Relationship {
    std::string id;
    std::string type;   // the type URI
    std::string target; // resolved to a part name inside the package ("xl/worksheets/sheet1.xml")
    bool external = false;
};

// The relationships of a part, from its .rels part. Targets are resolved against the source
// part's folder; one that leaves the package is refused, naming the .rels part.
std::vector<Relationship> parseRelationships(const std::string& relsPart, std::string_view xml,
                                             const std::string& sourcePart);

// The .rels part of a part: "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" -> "_rels/.rels".
std::string relationshipsPartOf(const std::string& part);

// The first relationship whose type ends in "/<kind>" (transitional and strict URIs alike).
const Relationship* findByKind(const std::vector<Relationship>& relationships, std::string_view kind);
const Relationship* findById(const std::vector<Relationship>& relationships, std::string_view id);

} // namespace sheet
