-- Offered history: which listings the office has shown to which client
-- request, one row per client, listing and day, with an optional note.
-- scanreq is the request's scancode (burequ), scanbud the listing's
-- (budong). Deleting a request or a listing deletes its rows in the same
-- transaction.
CREATE TABLE buoffer (
    scanreq VARCHAR(17) NOT NULL,
    scanbud VARCHAR(17) NOT NULL,
    offerday VARCHAR(10) NOT NULL,
    remark VARCHAR(40),
    PRIMARY KEY (scanreq, scanbud, offerday)
);
-- The history of one listing, for its deletion.
CREATE INDEX BUOFFER_SCANBUD ON buoffer (scanbud);
