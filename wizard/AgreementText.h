// The licence agreement that the agreement page shows when the distribution
// carries no agreement.txt of its own. Window-free, so tests can read it.
#pragma once

#include <string>

// The text is kept as four pieces that the page joins in order when it is
// built; each piece covers one part of the agreement.
constexpr int kAgreementPieceCount = 4;

// English text with CR LF line breaks, starting with the company line; the
// pieces are shown joined in this order.
extern const char* const kAgreementPieces[kAgreementPieceCount];

// The pieces joined into the one text the page shows.
std::string BuiltInAgreementText();
