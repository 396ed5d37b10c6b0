// Placeholder until the first list lands.
