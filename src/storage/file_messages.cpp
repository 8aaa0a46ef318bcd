#include "storage/file_messages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/native_files.h"
#include "lang/bilingual.h"

namespace mv52 {
namespace {

struct Reason {
    int code;
    BilingualText text;
};

// The causes a user meets; any other is the system's own text.
constexpr Reason kReasons[] = {
    {ENOENT, {"no such file or folder", "文件或文件夹不存在"}},
    {EACCES, {"permission denied", "没有权限"}},
    {EPERM, {"permission denied", "没有权限"}},
    {EROFS, {"read-only file system", "只读文件系统"}},
    {ENOSPC, {"no space left on the device", "磁盘空间不足"}},
#ifdef EDQUOT  // no quotas in the Windows C runtime's numbers
    {EDQUOT, {"disk quota exceeded", "超出磁盘配额"}},
#endif
    {EISDIR, {"is a folder", "是一个文件夹"}},
    {ENOTDIR, {"a part of the path is not a folder", "路径中的一部分不是文件夹"}},
    {ELOOP, {"too many levels of symbolic links", "符号链接层数过多"}},
    {ENAMETOOLONG, {"the name is too long", "名称过长"}},
    {EIO, {"input/output error", "输入/输出错误"}},
    {EEXIST, {"an unfinished save is in the way", "一个未完成的保存挡住了去路"}},
    {kFailReadOnlyFile, {"the file is read-only", "文件是只读的"}},
    {kFailNoTemporaryFile,
     {"no new file can be made in this folder (permission denied); a save writes a new file and then replaces the old "
      "one, so nothing was changed",
      "无法在此文件夹中创建新文件（没有权限）；保存先写新文件再替换旧文件，因此没有做任何改动"}},
    {kFailOwnChannelFile,
     {"a data file ending in \"fre\" would be its own channel file", "以 \"fre\" 结尾的数据文件会成为它自己的信道文件"}},
};

bool chinese(LanguageIndex language) { return language == LanguageIndex::Chinese; }

std::string fileName(const std::string& path) { return native::fromPath(native::toPath(path).filename()); }

}  // namespace

std::string fileFailureText(const FileFailure& failure, LanguageIndex language) {
    if (failure.code == kFailBusy)
        return chinese(language) ? fileName(failure.path) + " 正在被另一个程序保存"
                                 : fileName(failure.path) + " is being saved by another program";
    for (const Reason& r : kReasons)
        if (r.code == failure.code) return failure.path + ": " + std::string(r.text.in(language));
    return failure.path + ": " + (failure.code > 0 ? std::strerror(failure.code) : "unknown error");
}

std::string missingChannelsText(const std::string& channelPath, int missing, LanguageIndex language) {
    if (chinese(language))
        return "信道文件 " + channelPath + " 缺失或过短：缺少 " + std::to_string(missing) + " 个信道，这些信道为空。";
    return "The channel file " + channelPath + " is missing or short: " + std::to_string(missing) +
           (missing == 1 ? " channel is" : " channels are") + " not in it and left empty.";
}

std::string setAsideText(const std::string& newName, LanguageIndex language) {
    if (chinese(language)) return "一个中断的保存留下的文件无法载入，已移到一边：" + newName;
    return "A file left by an interrupted save does not load and was set aside as " + newName + ".";
}

std::string changedOnDiskQuestion(const std::string& fileName, LanguageIndex language) {
    if (chinese(language))
        return fileName + " 在打开或上次保存之后已被另一个程序改写。\n覆盖它吗？（选\"否\"则另存为）";
    return fileName + " was changed by another program since it was opened or last saved here.\n"
                      "Overwrite it? (No saves it under another name.)";
}

std::string writeWithMissingChannelsQuestion(LanguageIndex language) {
    if (chinese(language)) return "写入后电台将失去这些信道。仍要写入吗？";
    return "Writing it would erase those channels from the radio. Write anyway?";
}

}  // namespace mv52
