// The control as containers host it: its properties carried through a bag or a stream, with
// the site given before or after the load.
#include <gtest/gtest.h>

#include "support/form.h"
#include "support/hosted_control.h"

using namespace brocade_test;

// A property set on one control comes back on another loaded from what the first saved.
struct Carrier {
    const char *name;
    bool stream;
    bool siteAfterLoad;
};

class RoundTrip : public testing::TestWithParam<Carrier> {};

TEST_P(RoundTrip, APropertySetBeforeSavingReadsBackAfterLoading) {
    Form form;
    PropertyBag bag;
    ComPtr<IStream> stream;
    {
        HostedControl saved = HostedControl::WithSite(form);
        ASSERT_TRUE(saved);
        ASSERT_EQ(Put(saved, L"HighlightStyle", 3).hr, S_OK);
        ASSERT_EQ(Put(saved, L"ShowTooltip", false).hr, S_OK);
        if (GetParam().stream)
            ASSERT_TRUE(stream = SaveToStream(saved));
        else
            ASSERT_EQ(SaveToBag(saved, bag), S_OK);
    }
    SiteOptions options;
    options.stream = stream.Get();
    options.bag = GetParam().stream ? nullptr : &bag;
    options.siteAfterLoad = GetParam().siteAfterLoad;
    HostedControl loaded = HostedControl::WithSite(form, options);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.InitResult(), S_OK);
    EXPECT_EQ(Get(loaded, L"HighlightStyle").value.AsLong(), 3);
    EXPECT_FALSE(Get(loaded, L"ShowTooltip").value.AsBool());
    EXPECT_EQ(bag.references, 1u) << "the control keeps no reference to the bag";
}

INSTANTIATE_TEST_SUITE_P(Hosting, RoundTrip,
                         testing::Values(Carrier{"Bag", false, false}, Carrier{"BagThenSite", false, true},
                                         Carrier{"Stream", true, false}, Carrier{"StreamThenSite", true, true}),
                         [](const testing::TestParamInfo<Carrier> &info) { return info.param.name; });
