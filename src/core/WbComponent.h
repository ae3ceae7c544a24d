#pragma once

#include <cstdint>
#include <functional>

#include "host/Controls.h"

namespace wb {

using TWbBeforePutEvent = TNotifyEvent;
using TWbAfterPutEvent = TNotifyEvent;

// The base of the web components: the two rendering events, the grid indices its container's
// layout writes into it, the container flag and the placement check.
class TWbComponent : public TCustomControl {
public:
    explicit TWbComponent(TComponent* AOwner);

    // Registers the published properties: the two rendering events.
    static void Publish();

    const TWbBeforePutEvent& OnBeforePut() const { return FOnBeforePut; }
    void SetOnBeforePut(TWbBeforePutEvent Value) { FOnBeforePut = std::move(Value); }
    const TWbAfterPutEvent& OnAfterPut() const { return FOnAfterPut; }
    void SetOnAfterPut(TWbAfterPutEvent Value) { FOnAfterPut = std::move(Value); }

    void ActivateBeforePutEvent();
    void ActivateAfterPutEvent();

    // A container is a component whose control style accepts child controls.
    bool GetContainer() const;
    void SetContainer(bool Value);

    // The grid range of the last layout of its container: columns [ColStart, ColEnd), rows
    // [RowStart, RowEnd). All 0 before the first layout.
    int32_t RowStart() const { return FRowStart; }
    int32_t RowEnd() const { return FRowEnd; }
    int32_t ColStart() const { return FColStart; }
    int32_t ColEnd() const { return FColEnd; }
    int32_t CalcRowSpan() const;
    int32_t CalcColSpan() const;

    // Refuses image maps, anything that is not a web component, and everything when this
    // component is not a container.
    void validateInsert(TComponent* AComponent) override;
    void paint() override {}

private:
    friend class TWbScanList;

    TWbBeforePutEvent FOnBeforePut;
    TWbAfterPutEvent FOnAfterPut;
    int32_t FRowStart = 0;
    int32_t FRowEnd = 0;
    int32_t FColStart = 0;
    int32_t FColEnd = 0;
};

}  // namespace wb
