#include "sheet/XmlReader.h"

#include "sheet/SheetError.h"

#include <expat.h>

#include <exception>

namespace sheet {

namespace {

// Names are matched by their local part, whatever prefix a writer chose; the parser runs without
// namespace processing, which would only cost time for names this reader does not compare.
std::string_view localName(const char* name)
{
    std::string_view n(name);
    const std::size_t cut = n.rfind(':');
    return cut == std::string_view::npos ? n : n.substr(cut + 1);
}

} // namespace

const char* XmlAttributes::get(std::string_view name) const
{
    for (const char** p = m_pairs; p && *p; p += 2) {
        if (localName(p[0]) == name)
            return p[1];
    }
    return nullptr;
}

struct XmlReader::State {
    std::string part;
    XmlHandler* handler;
    XML_Parser parser;
    std::exception_ptr error;
    bool doctype = false;

    // Once a handler has failed, expat may still deliver the callbacks of the same parse step (the
    // end of an empty element, say): they are ignored, so no handler runs past its own error.
    static void onStart(void* data, const char* name, const char** attributes)
    {
        auto* s = static_cast<State*>(data);
        if (s->error)
            return;
        try {
            s->handler->start(localName(name), XmlAttributes(attributes));
        } catch (...) {
            s->stop(std::current_exception());
        }
    }
    static void onEnd(void* data, const char* name)
    {
        auto* s = static_cast<State*>(data);
        if (s->error)
            return;
        try {
            s->handler->end(localName(name));
        } catch (...) {
            s->stop(std::current_exception());
        }
    }
    static void onText(void* data, const char* text, int length)
    {
        auto* s = static_cast<State*>(data);
        if (s->error)
            return;
        try {
            s->handler->text(std::string_view(text, static_cast<std::size_t>(length)));
        } catch (...) {
            s->stop(std::current_exception());
        }
    }
    static void onDoctype(void* data, const char*, const char*, const char*, int)
    {
        auto* s = static_cast<State*>(data);
        s->doctype = true;
        XML_StopParser(s->parser, XML_FALSE);
    }

    void stop(std::exception_ptr e)
    {
        if (!error)
            error = e;
        XML_StopParser(parser, XML_FALSE);
    }

    void check(XML_Status status)
    {
        if (error)
            std::rethrow_exception(error);
        if (doctype)
            throw SheetError("The workbook part " + part + " declares a document type, which a workbook never does; the file is refused");
        if (status == XML_STATUS_ERROR)
            throw SheetError("The workbook part " + part + " is not well-formed XML (line "
                             + std::to_string(XML_GetCurrentLineNumber(parser)) + "): "
                             + XML_ErrorString(XML_GetErrorCode(parser)));
    }
};

XmlReader::XmlReader(std::string partName, XmlHandler& handler)
    : m_state(new State{std::move(partName), &handler, XML_ParserCreate(nullptr), nullptr})
{
    if (!m_state->parser) {
        delete m_state;
        throw SheetError("Out of memory while reading the workbook");
    }
    XML_SetUserData(m_state->parser, m_state);
    XML_SetElementHandler(m_state->parser, &State::onStart, &State::onEnd);
    XML_SetCharacterDataHandler(m_state->parser, &State::onText);
    XML_SetStartDoctypeDeclHandler(m_state->parser, &State::onDoctype);
    XML_SetParamEntityParsing(m_state->parser, XML_PARAM_ENTITY_PARSING_NEVER);
}

XmlReader::~XmlReader()
{
    XML_ParserFree(m_state->parser);
    delete m_state;
}

void XmlReader::feed(std::string_view chunk)
{
    // Parse in slices expat's int length can carry.
    constexpr std::size_t slice = 1 << 30;
    while (!chunk.empty()) {
        const std::size_t n = std::min(chunk.size(), slice);
        m_state->check(XML_Parse(m_state->parser, chunk.data(), static_cast<int>(n), XML_FALSE));
        chunk.remove_prefix(n);
    }
}

void XmlReader::finish()
{
    m_state->check(XML_Parse(m_state->parser, "", 0, XML_TRUE));
}

void XmlReader::parse(const std::string& partName, std::string_view content, XmlHandler& handler)
{
    XmlReader reader(partName, handler);
    reader.feed(content);
    reader.finish();
}

} // namespace sheet
