#include "platform/zip_archive.h"

#include <zip.h>

#include <cstdio>
#include <memory>

namespace mv52 {
namespace {

std::string archiveError(zip_t* archive) { return zip_error_strerror(zip_get_error(archive)); }

}  // namespace

bool writeZipArchive(const std::string& path, const std::vector<BundleFile>& files, std::string& error) {
    // libzip builds the archive in a temporary file beside `path` and renames it on close, so
    // a failed bundle never leaves half an archive under the name.
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        error = zip_error_strerror(&e);
        zip_error_fini(&e);
        return false;
    }
    for (const BundleFile& f : files) {
        // The source keeps a pointer to the bytes: `files` outlives zip_close below.
        zip_source_t* source = zip_source_buffer(archive, f.bytes.data(), f.bytes.size(), 0);
        if (source == nullptr || zip_file_add(archive, f.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            error = archiveError(archive);
            if (source != nullptr) zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        error = archiveError(archive);
        zip_discard(archive);
        return false;
    }
    return true;
}

std::optional<std::vector<BundleFile>> readZipArchive(const std::string& path) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr) return std::nullopt;
    std::vector<BundleFile> files;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0) {
            zip_discard(archive);
            return std::nullopt;
        }
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (file == nullptr) {
            zip_discard(archive);
            return std::nullopt;
        }
        std::string bytes(static_cast<std::size_t>(st.size), '\0');
        const zip_int64_t read = zip_fread(file, bytes.data(), st.size);
        zip_fclose(file);
        if (read < 0 || static_cast<zip_uint64_t>(read) != st.size) {
            zip_discard(archive);
            return std::nullopt;
        }
        files.push_back({st.name, std::move(bytes)});
    }
    zip_discard(archive);
    return files;
}

}  // namespace mv52
