#pragma once

namespace mv52 {

// Selects the column of every bilingual table.
enum class LanguageIndex : int { English = 1, Chinese = 2 };

}  // namespace mv52
