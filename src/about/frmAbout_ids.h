// Control identifiers of the about window.
#pragma once

namespace wp::about::about_ids {
enum : int {
    lblTit = 400,
    lblVersion,
    picCont,
    lblComments, // inside picCont
    lblDisc,
    lblCopyright,
    lblWeb,
    lblEmail,
};
} // namespace wp::about::about_ids
