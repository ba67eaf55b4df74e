#pragma once

#include "KaloCompletionPopup.h"
#include "KaloMessageFilter.h"

// The editor's keyboard handling with completion: keys reach the suggestion list first.
class TRELLIS_API KaloCompletionFilter : public KaloMessageFilter {
public:
    KaloCompletionFilter(KaloTextModel& model, KaloUndoHistory& history, const unsigned char* separators,
                         KaloCompletionPopup& popup, KaloCompletion& completion)
        : KaloMessageFilter(model, history, separators), m_popup(popup), m_completion(completion) {}

protected:
    bool RouteToCompletion(UINT message, WPARAM key, const KaloKeyState& keys) override;
    void RequestMembers() override { m_completion.requested = true; }

private:
    KaloCompletionPopup& m_popup;
    KaloCompletion& m_completion;
};
