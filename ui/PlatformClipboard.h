#pragma once
// The companion channel's clipboard, through the platform.

#include "sound/CompanionChannel.h"

namespace ui {

class PlatformClipboard final : public qor::ClipboardSink {
public:
    bool setClipboardText(const std::string& cp932) override;
};

} // namespace ui
