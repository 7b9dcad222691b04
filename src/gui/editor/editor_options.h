#pragma once

namespace dorvane {

// How an editor window behaves, chosen by whoever opens it.
struct EditorOptions {
    // Reads and keeps its column widths and sort choice in the user's
    // settings (the tests switch it off).
    bool rememberLayout = true;
};

}  // namespace dorvane
