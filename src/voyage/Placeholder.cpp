// Placeholder until the first voyage source lands.
