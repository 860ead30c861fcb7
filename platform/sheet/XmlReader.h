#pragma once

#include <string>
#include <string_view>

namespace sheet {

// Attributes of an element as expat hands them: name, value, name, value, ..., null.
class XmlAttributes {
public:
    explicit XmlAttributes(const char** pairs)
        : m_pairs(pairs)
    {
    }
    // The value of the attribute with this local name (any namespace), or nullptr.
    const char* get(std::string_view localName) const;

private:
    const char** m_pairs;
};

// Receives a part's elements by local name (namespace prefixes do not matter) and its text.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(std::string_view name, const XmlAttributes& attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) {}
};

// A streaming parse of one part with expat. A document type declaration is refused (the package
// format has none, and it is the door to entity expansion); a parse error or a part that ends
// too soon fails with the part's name, line and expat's message. Errors thrown by the handler
// stop the parse and pass through.
class XmlReader {
public:
    XmlReader(std::string partName, XmlHandler& handler);
    ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    void feed(std::string_view chunk);
    void finish();

    // Parses a whole part held in memory.
    static void parse(const std::string& partName, std::string_view content, XmlHandler& handler);

private:
    struct State;
    State* m_state;
};

} // namespace sheet
