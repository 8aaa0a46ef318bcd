#pragma once

namespace mv52 {

// The link operation in progress.
enum class CommOperation : int { None = 0, Read = 1, Write = 2 };

}  // namespace mv52
