#include "ErrorText.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace qor {

namespace {

// Each sentence says what is wrong in the learner's terms; the box around it names the
// file and the step that failed.
constexpr std::array<std::pair<int, const char*>, 29> kErrorTexts = {{
    {EACCES, "アクセスが拒否されました"},
    {EPERM, "この操作は許可されていません"},
    {ENOENT, "ファイルまたはフォルダが見つかりません"},
    {EEXIST, "同じ名前のファイルまたはフォルダがすでにあります"},
    {EISDIR, "ファイルではなくフォルダです"},
    {ENOTDIR, "フォルダではないものがパスの途中にあります"},
    {ENOTEMPTY, "フォルダが空ではありません"},
    {ENOSPC, "ディスクの空き容量が足りません"},
    {EDQUOT, "ディスクの使用量の上限を超えました"},
    {EFBIG, "ファイルが大きすぎます"},
    {EROFS, "読み取り専用のディスクには書き込めません"},
    {ENAMETOOLONG, "ファイル名またはパスが長すぎます"},
    {ELOOP, "リンクの参照が多すぎます（循環しています）"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ENFILE, "システム全体で開いているファイルが多すぎます"},
    {EBUSY, "ファイルまたはデバイスが使用中です"},
    {ETXTBSY, "ファイルが使用中です"},
    {EIO, "ディスクの読み書き中にエラーが起きました"},
    {ENXIO, "デバイスがありません"},
    {ENODEV, "デバイスがありません"},
    {EXDEV, "別のディスクへは移動できません"},
    {EINVAL, "指定が正しくありません"},
    {EILSEQ, "使えない文字が含まれています"},
    {ENOMEM, "メモリが足りません"},
    {EAGAIN, "一時的に使用できません。しばらくしてからもう一度試してください"},
    {EINTR, "処理が中断されました"},
    {ETIMEDOUT, "時間内に応答がありませんでした"},
    {ESTALE, "ネットワーク上のファイルが使えなくなりました"},
    {ECONNREFUSED, "接続が拒否されました"},
}};

} // namespace

std::string errorText(int errorNumber) {
    for (const auto& [number, text] : kErrorTexts) {
        if (number == errorNumber) return text;
    }
    return std::strerror(errorNumber);
}

} // namespace qor
