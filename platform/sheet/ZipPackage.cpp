#include "sheet/ZipPackage.h"

#include "sheet/SheetError.h"

#include <zip.h>

#include <sys/stat.h>

#include <array>
#include <cstring>
#include <fstream>
#include <set>

namespace sheet {

namespace {

constexpr unsigned char oleSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// What an OLE container holds, told by the names in its directory (UTF-16LE).
bool containsUtf16(const std::string& bytes, const char* ascii)
{
    std::string wide;
    for (const char* p = ascii; *p; ++p) {
        wide.push_back(*p);
        wide.push_back('\0');
    }
    return bytes.find(wide) != std::string::npos;
}

[[noreturn]] void failOle(const std::string& head)
{
    if (containsUtf16(head, "EncryptionInfo") || containsUtf16(head, "EncryptedPackage"))
        throw SheetError("The workbook is encrypted (protected with a password); save it without a password as .xlsx and try again");
    throw SheetError("The file is a legacy Excel workbook (.xls), not an .xlsx workbook; save it as .xlsx and try again");
}

void checkSignature(const std::string& path)
{
    // Only a regular file is read: a FIFO would block the open, a device would never end.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw SheetError("The file " + path + " cannot be opened: " + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        throw SheetError("The file " + path + " is not a regular file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SheetError("The file " + path + " cannot be opened: " + std::strerror(errno));
    std::array<unsigned char, 8> head{};
    in.read(reinterpret_cast<char*>(head.data()), head.size());
    if (in.gcount() == 8 && std::memcmp(head.data(), oleSignature, 8) == 0) {
        // The directory's stream names tell what the container holds; they sit near the start.
        std::ifstream again(path, std::ios::binary);
        std::string start(1 << 20, '\0');
        again.read(start.data(), static_cast<std::streamsize>(start.size()));
        start.resize(static_cast<std::size_t>(again.gcount()));
        failOle(start);
    }
}

} // namespace

struct ZipPackage::Archive {
    zip_t* zip = nullptr;
    std::set<std::string> names;
    ~Archive()
    {
        if (zip)
            zip_discard(zip);
    }
};

ZipPackage::ZipPackage(const std::string& path)
    : m_archive(std::make_unique<Archive>())
{
    checkSignature(path);
    int error = 0;
    m_archive->zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!m_archive->zip) {
        if (error == ZIP_ER_NOZIP || error == ZIP_ER_INCONS)
            throw SheetError(unsupportedFormat);
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        const std::string why = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        throw SheetError("The file " + path + " cannot be opened: " + why);
    }
    indexEntries();
}

ZipPackage::ZipPackage(InMemory, std::string_view bytes)
    : m_archive(std::make_unique<Archive>())
{
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), oleSignature, 8) == 0)
        failOle(std::string(bytes.substr(0, 1 << 20)));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source)
        m_archive->zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!m_archive->zip) {
        zip_source_free(source);
        zip_error_fini(&error);
        throw SheetError(unsupportedFormat);
    }
    zip_error_fini(&error);
    indexEntries();
}

void ZipPackage::indexEntries()
{
    const zip_int64_t count = zip_get_num_entries(m_archive->zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(m_archive->zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (!name)
            continue;
        if (!m_archive->names.insert(name).second)
            throw SheetError(std::string("The workbook holds the part ") + name + " twice; it is damaged");
    }
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::contains(const std::string& name) const
{
    return m_archive->names.count(name) > 0;
}

void ZipPackage::read(const std::string& name, std::uint64_t maxBytes,
                      const std::function<void(std::string_view)>& sink) const
{
    zip_file_t* file = zip_fopen(m_archive->zip, name.c_str(), ZIP_FL_ENC_RAW);
    if (!file)
        throw SheetError("The workbook part " + name + " cannot be read: " + zip_strerror(m_archive->zip));
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> guard(file, &zip_fclose);
    std::array<char, 1 << 16> buffer{};
    std::uint64_t total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer.data(), buffer.size());
        if (n < 0)
            throw SheetError("The workbook part " + name + " is damaged: " + zip_file_strerror(file));
        if (n == 0)
            break;
        total += static_cast<std::uint64_t>(n);
        if (total > maxBytes)
            throw SheetError("The workbook part " + name + " inflates to more than "
                             + std::to_string(maxBytes) + " bytes; the file is not a workbook this program reads");
        sink(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    }
}

std::string ZipPackage::readAll(const std::string& name, std::uint64_t maxBytes) const
{
    std::string content;
    read(name, maxBytes, [&](std::string_view chunk) { content.append(chunk); });
    return content;
}

} // namespace sheet
