#include "sheet/Relationships.h"

#include "sheet/SheetError.h"
#include "sheet/XmlReader.h"

namespace sheet {

namespace {

std::string folderOf(const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// Joins and normalises "a/b/" + "../c.xml"; nullopt-like empty result when it climbs out.
bool resolve(const std::string& folder, const std::string& target, std::string& out)
{
    std::string path = !target.empty() && target.front() == '/' ? target.substr(1) : folder + target;
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::string segment = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (segment == "..") {
            if (segments.empty())
                return false;
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    out.clear();
    for (const std::string& s : segments) {
        if (!out.empty())
            out += '/';
        out += s;
    }
    return !out.empty();
}

class RelsHandler : public XmlHandler {
public:
    RelsHandler(const std::string& relsPart, const std::string& sourcePart)
        : m_relsPart(relsPart)
        , m_folder(folderOf(sourcePart))
    {
    }

    void start(std::string_view name, const XmlAttributes& a) override
    {
        if (name != "Relationship")
            return;
        Relationship r;
        r.id = a.get("Id") ? a.get("Id") : "";
        r.type = a.get("Type") ? a.get("Type") : "";
        const std::string target = a.get("Target") ? a.get("Target") : "";
        const char* mode = a.get("TargetMode");
        r.external = mode && std::string_view(mode) == "External";
        if (r.external) {
            r.target = target;
        } else if (target.find("://") != std::string::npos || !resolve(m_folder, target, r.target)) {
            throw SheetError("The workbook part " + m_relsPart + " points outside the workbook (" + target
                             + "); the file is refused");
        }
        relationships.push_back(std::move(r));
    }
    void end(std::string_view) override {}

    std::vector<Relationship> relationships;

private:
    std::string m_relsPart;
    std::string m_folder;
};

} // namespace

std::vector<Relationship> parseRelationships(const std::string& relsPart, std::string_view xml,
                                             const std::string& sourcePart)
{
    RelsHandler handler(relsPart, sourcePart);
    XmlReader::parse(relsPart, xml, handler);
    return std::move(handler.relationships);
}

std::string relationshipsPartOf(const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    if (slash == std::string::npos)
        return "_rels/" + part + ".rels";
    return part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
}

const Relationship* findByKind(const std::vector<Relationship>& relationships, std::string_view kind)
{
    for (const Relationship& r : relationships) {
        const std::string_view type(r.type);
        if (type.size() > kind.size() && type.substr(type.size() - kind.size()) == kind
            && type[type.size() - kind.size() - 1] == '/')
            return &r;
    }
    return nullptr;
}

const Relationship* findById(const std::vector<Relationship>& relationships, std::string_view id)
{
    for (const Relationship& r : relationships) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

} // namespace sheet
