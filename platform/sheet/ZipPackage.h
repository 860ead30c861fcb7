#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace sheet {

// A workbook file opened as a zip package. Opening recognises what the file is: a zip (read on),
// an OLE container (an encrypted workbook or a legacy .xls, named as such), or anything else
// ("Unsupported document format"). Entry names must be unique.
class ZipPackage {
public:
    explicit ZipPackage(const std::string& path);
    // The same for a workbook held in memory (the bytes must outlive the package).
    struct InMemory {};
    ZipPackage(InMemory, std::string_view bytes);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool contains(const std::string& name) const;

    // Streams an entry's inflated bytes to `sink` in chunks, failing once more than `maxBytes`
    // arrive whatever the entry's header says, or when the data is damaged.
    void read(const std::string& name, std::uint64_t maxBytes,
              const std::function<void(std::string_view)>& sink) const;
    // The whole entry, for the small parts.
    std::string readAll(const std::string& name, std::uint64_t maxBytes) const;

private:
    void indexEntries();

    struct Archive;
    std::unique_ptr<Archive> m_archive;
};

} // namespace sheet
