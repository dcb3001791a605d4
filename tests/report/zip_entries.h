// Reads a zip package (a written .docx) back entry by entry, for tests that look inside the file.
#pragma once

#include <zip.h>

#include <map>
#include <string>

namespace tavrel::test {

using Package = std::map<std::string, std::string>;

// Every entry of a zip file by name; empty when the file is no zip archive.
inline Package unzip(const std::string& path) {
    Package package;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (archive == nullptr) {
        return package;
    }
    for (zip_int64_t index = 0; index < zip_get_num_entries(archive, 0); ++index) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat);
        std::string content(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
        zip_fread(file, content.data(), stat.size);
        zip_fclose(file);
        package[stat.name] = content;
    }
    zip_close(archive);
    return package;
}

}  // namespace tavrel::test
