// The program carries the styles catalog as a resource, byte for byte the same
// text the portable build embeds, and the catalog loads from it.
#include "app/styles_resource.h"
#include "styles/catalog.h"

#include <gtest/gtest.h>

TEST(StylesResource, IsTheCatalogTextAndLoads) {
    const std::string sText = StylesTextFromResource();
    ASSERT_FALSE(sText.empty());
    EXPECT_EQ(sText, std::string(BuiltinStylesText()));
    UseStylesResource();
    LoadStylesCatalog();
    EXPECT_NE(FindClass("button"), 0);
    gpfnLoadStylesText = nullptr;
}
