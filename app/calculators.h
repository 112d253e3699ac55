#pragma once

namespace velomark {

class Application;

// Makes the five calculator windows known to the application under their names.
void RegisterCalculators(Application& app);

}  // namespace velomark
