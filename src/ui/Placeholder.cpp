// Placeholder until the first window lands.
