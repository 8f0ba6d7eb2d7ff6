// A peer that records what a control tells its display, so tests see every write in order,
// also those that a later write overwrites (an animation frame, a focus request).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "runtime/control.h"
#include "runtime/controls.h"

namespace testing_support {

class RecordingPeer : public rt::Peer {
  public:
    explicit RecordingPeer(rt::Control& control) : control_(control) { control.setPeer(this); }
    ~RecordingPeer() override { control_.setPeer(nullptr); }
    RecordingPeer(const RecordingPeer&) = delete;
    RecordingPeer& operator=(const RecordingPeer&) = delete;

    void changed(rt::Property property) override {
        properties.push_back(property);
        if (property == rt::Property::Picture)
            if (auto* image = dynamic_cast<rt::Image*>(&control_))
                pictures.push_back(image->picture());
    }

    int count(rt::Property property) const {
        int n = 0;
        for (rt::Property p : properties)
            if (p == property) ++n;
        return n;
    }

    std::vector<rt::Property> properties;
    std::vector<rt::Picture> pictures;  // every picture an image was given, in order

  private:
    rt::Control& control_;
};

}  // namespace testing_support
