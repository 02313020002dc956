-- The diary reads its entries by day: a month page, the coming 30 days and
-- the count of today's and tomorrow's entries in the main window. The rows
-- and their keys stay as they are.
CREATE INDEX diary1_day1 ON diary1 (day1, scancode);
