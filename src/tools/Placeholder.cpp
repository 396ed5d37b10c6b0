// Placeholder until the first tool lands.
