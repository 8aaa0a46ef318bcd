#pragma once

namespace mv52 {

// The link operation in progress. Verify is our own: the read-back that follows a write when
// the user asked for it; it reads like a read but never touches the document.
enum class CommOperation : int { None = 0, Read = 1, Write = 2, Verify = 3 };

}  // namespace mv52
