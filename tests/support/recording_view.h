// A form view for tests that records what the document asks of it, in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "claim/claim_host.h"
#include "form/field_map.h"

namespace ferdix::test {

class RecordingView : public IClaimView {
  public:
    void ClearForm() override { calls.push_back("clear"); }
    void RefreshForm() override { calls.push_back("refresh"); }
    void SetLoading(bool loading) override { calls.push_back(loading ? "loading" : "loaded"); }
    // By the form's control, so that the mapping is checked too.
    void ShowTravellerField(TravellerField field, const std::string& text) override {
        int controlId = TravellerFieldControl(field);
        calls.push_back(std::to_string(controlId) + "=" + text);
        fields[controlId] = text;
    }
    void RecomputeMileageRows() override { calls.push_back("mileage"); }
    void RelabelForm() override { calls.push_back("relabel"); }

    std::vector<std::string> calls;
    std::map<int, std::string> fields;
};

}  // namespace ferdix::test
